#include "SearchDialog.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "CoreText.h"
#include "FormTexts.h"

namespace farb::qt {
namespace {

std::optional<SearchKey> MovingKey(int key) {
    switch (key) {
        case Qt::Key_Up:
            return SearchKey::Up;
        case Qt::Key_Down:
            return SearchKey::Down;
        case Qt::Key_PageUp:
            return SearchKey::PageUp;
        case Qt::Key_PageDown:
            return SearchKey::PageDown;
        default:
            return std::nullopt;
    }
}

}  // namespace

SearchDialog::SearchDialog(Finder find, QWidget* parent)
    : QDialog(parent),
      choice_(std::move(find)),
      query_(new QLineEdit(this)),
      found_(new QListView(this)),
      model_(new QStandardItemModel(this)) {
    setObjectName(QStringLiteral("SearchDialog"));
    setWindowTitle(FromCoreText(kSearchTitle));
    auto* label = new QLabel(FromCoreText(kSearchLabel), this);
    label->setBuddy(query_);
    query_->setObjectName(QStringLiteral("query"));
    query_->setAccessibleName(FromCoreText(kSearchTitle));
    query_->installEventFilter(this);
    found_->setObjectName(QStringLiteral("found"));
    found_->setAccessibleName(FromCoreText(kSearchResults));
    found_->setModel(model_);
    found_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    found_->setSelectionMode(QAbstractItemView::SingleSelection);
    found_->setMinimumSize(420, 300);

    auto* buttons = new QDialogButtonBox(this);
    choose_ = buttons->addButton(FromCoreText(kSearchChoose), QDialogButtonBox::AcceptRole);
    choose_->setObjectName(QStringLiteral("choose"));
    buttons->addButton(FromCoreText(kCancelButton), QDialogButtonBox::RejectRole);
    choose_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(query_);
    layout->addWidget(found_);
    layout->addWidget(buttons);

    connect(query_, &QLineEdit::textChanged, this, &SearchDialog::ShowFound);
    connect(found_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { choice_.Select(current.row()); });
    connect(found_, &QListView::doubleClicked, this, &SearchDialog::Choose);
    connect(buttons, &QDialogButtonBox::accepted, this, &SearchDialog::Choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ShowChoice();
}

void SearchDialog::ShowFound(const QString& query) {
    choice_.Query(CoreTextFrom(query));
    ShowChoice();
}

void SearchDialog::ShowChoice() {
    model_->clear();
    for (const SearchChoice::Row& row : choice_.Rows()) {
        auto* item = new QStandardItem(FromCoreText(row.text));
        item->setToolTip(FromCoreText(row.steps));
        item->setData(FromCoreText(row.steps), Qt::AccessibleDescriptionRole);
        if (!choice_.CanChoose()) {
            item->setFlags(Qt::ItemIsEnabled);
        }
        model_->appendRow(item);
    }
    if (choice_.CanChoose()) {
        found_->setCurrentIndex(model_->index(choice_.Selected(), 0));
    }
    choose_->setEnabled(choice_.CanChoose());
}

void SearchDialog::Choose() {
    if (!choice_.CanChoose()) {
        return;
    }
    chosen_ = choice_.Chosen();
    accept();
}

bool SearchDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == query_ && event->type() == QEvent::KeyPress) {
        const std::optional<SearchKey> key = MovingKey(static_cast<QKeyEvent*>(event)->key());
        if (key) {
            const int rowHeight = std::max(1, found_->sizeHintForRow(0));
            choice_.Move(*key, found_->viewport()->height() / rowHeight);
            found_->setCurrentIndex(model_->index(choice_.Selected(), 0));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

int AskForProgramme(QWidget* parent, SearchDialog::Finder find) {
    SearchDialog dialog(std::move(find), parent);
    return dialog.exec() == QDialog::Accepted ? dialog.ChosenEntry() : -1;
}

}  // namespace farb::qt
