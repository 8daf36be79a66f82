#include "ListBox.h"

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
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        // The focus moves at the press; the release then arrives at the next control.
        QListWidget::keyPressEvent(event);
        return;
    }
    // A key moves the selection at its release, together with the operation that release
    // runs, so no tick ever sees a selection whose programme was not chosen. A held key steps
    // once.
    if (!event->isAutoRepeat()) {
        pressed_[event->key()].reset(event->clone());
    }
    event->accept();
}

void ListBox::keyReleaseEvent(QKeyEvent* event) {
    QListWidget::keyReleaseEvent(event);
    // A key held down repeats its release; the operator pressed it only once.
    if (event->isAutoRepeat()) {
        return;
    }
    if (const auto press = pressed_.extract(event->key())) {
        MoveSelection(*press.mapped());
    }
    emit KeyUp(event->key());
}

// A key pressed here and released elsewhere counts there.
void ListBox::focusOutEvent(QFocusEvent* event) {
    pressed_.clear();
    QListWidget::focusOutEvent(event);
}

void ListBox::MoveSelection(QKeyEvent& press) {
    const int before = SelectedIndex();
    if (before < 0 && count() > 0 && MovesFromNothing(&press)) {
        // Tab leaves the first item current but unselected; the first arrow selects it rather
        // than stepping past it.
        SelectRow(std::max(currentRow(), 0));
        return;
    }
    QListWidget::keyPressEvent(&press);
    if (before >= 0 && SelectedIndex() < 0) {
        // Ctrl+Space toggles the selected item off; a single-choice list keeps it.
        SelectRow(before);
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
