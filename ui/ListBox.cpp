#include "ui/ListBox.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>

namespace farb {

namespace {

constexpr int kItemHeight = 18;

bool MovesFromNothing(const QKeyEvent* event) {
    return event->key() == Qt::Key_Down || event->key() == Qt::Key_Up;
}

}  // namespace

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFrameShape(QFrame::NoFrame);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int ListBox::SelectedIndex() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBox::SetItems(const QStringList& texts) {
    clear();
    for (const QString& text : texts) {
        auto* item = new QListWidgetItem(text, this);
        item->setSizeHint(QSize(0, kItemHeight));
    }
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    Press(event);
}

// The second press of a double click arrives as a double click; the operator pressed twice.
void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    Press(event);
}

// The operation ran for the item under the press; a drag must not move the selection away
// from it.
void ListBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void ListBox::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void ListBox::Press(QMouseEvent* event) {
    // Only a left press on an item moves the selection, whatever the modifiers; a press into
    // the empty space below the items leaves it alone.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid()) {
        SelectRow(index.row());
    }
    setFocus(Qt::MouseFocusReason);
    event->accept();
    emit MouseDown(event->button());
}

void ListBox::SelectRow(int row) {
    selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    const int before = SelectedIndex();
    if (before < 0 && count() > 0 && MovesFromNothing(event)) {
        // Tab leaves the first item current but unselected; the first arrow selects it rather
        // than stepping past it.
        SelectRow(std::max(currentRow(), 0));
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
    if (before >= 0 && SelectedIndex() < 0) {
        // Ctrl+Space toggles the selected item off; a single-choice list keeps it.
        SelectRow(before);
    }
}

void ListBox::keyReleaseEvent(QKeyEvent* event) {
    QListWidget::keyReleaseEvent(event);
    // A key held down repeats its release; the operator pressed it only once.
    if (!event->isAutoRepeat()) {
        emit KeyUp(event->key());
    }
}

bool ListBox::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QListWidget::viewportEvent(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    if (index.isValid() && IsCut(index)) {
        QToolTip::showText(help->globalPos(), index.data().toString(), viewport(),
                           visualRect(index));
    } else {
        QToolTip::hideText();
    }
    return true;
}

bool ListBox::IsCut(const QModelIndex& index) const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.text = index.data().toString();
    option.features |= QStyleOptionViewItem::HasDisplay;
    const QRect textArea = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
    // The style draws the text inside a margin of its own on either side.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, this) + 1;
    return option.fontMetrics.horizontalAdvance(option.text) > textArea.width() - 2 * margin;
}

}  // namespace farb
