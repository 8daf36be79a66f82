#include "SearchDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "CoreText.h"
#include "FormTexts.h"

namespace farb::qt {
namespace {

constexpr int kEntryRole = Qt::UserRole + 1;

}  // namespace

SearchDialog::SearchDialog(Finder find, QWidget* parent)
    : QDialog(parent),
      find_(std::move(find)),
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
    connect(found_, &QListView::doubleClicked, this, &SearchDialog::Choose);
    connect(buttons, &QDialogButtonBox::accepted, this, &SearchDialog::Choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ShowFound(QString());
}

void SearchDialog::ShowFound(const QString& query) {
    model_->clear();
    for (const FoundProgramme& programme : find_(CoreTextFrom(query))) {
        auto* item = new QStandardItem(FromCoreText(programme.text));
        item->setData(programme.entry, kEntryRole);
        item->setToolTip(FromCoreText(programme.steps));
        item->setData(FromCoreText(programme.steps), Qt::AccessibleDescriptionRole);
        model_->appendRow(item);
    }
    const bool any = model_->rowCount() > 0;
    if (!any) {
        auto* nothing = new QStandardItem(FromCoreText(kSearchNothingFound));
        nothing->setFlags(Qt::ItemIsEnabled);
        model_->appendRow(nothing);
    } else {
        found_->setCurrentIndex(model_->index(0, 0));
    }
    choose_->setEnabled(any);
}

void SearchDialog::Choose() {
    const QModelIndex current = found_->currentIndex();
    const QVariant entry = current.isValid() ? current.data(kEntryRole) : QVariant();
    if (!entry.isValid()) {
        return;
    }
    chosen_ = entry.toInt();
    accept();
}

// Up, Down and the page keys typed into the field move through the list, so the operator never
// has to leave the field.
bool SearchDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == query_ && event->type() == QEvent::KeyPress) {
        const auto* press = static_cast<QKeyEvent*>(event);
        const int key = press->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QKeyEvent forwarded(QEvent::KeyPress, key, press->modifiers(), press->text(),
                                press->isAutoRepeat());
            QCoreApplication::sendEvent(found_, &forwarded);
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
