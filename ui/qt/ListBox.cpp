#include "ListBox.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>

#include "FocusMark.h"

namespace farb::qt {

namespace {

constexpr int kTipRole = Qt::UserRole + 1;

ListMove MoveOf(int key) {
    switch (key) {
        case Qt::Key_Up:
            return ListMove::Up;
        case Qt::Key_Down:
            return ListMove::Down;
        case Qt::Key_PageUp:
            return ListMove::PageUp;
        case Qt::Key_PageDown:
            return ListMove::PageDown;
        case Qt::Key_Home:
            return ListMove::Home;
        case Qt::Key_End:
            return ListMove::End;
        default:
            return ListMove::None;
    }
}

// The character a key types for the list's type-ahead search; a key with Ctrl, Alt or Meta
// types none.
char TypedBy(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.size() != 1 ||
        (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        return 0;
    }
    return TypedCharacter(text[0].unicode());
}

}  // namespace

KeyStroke FromQt(const QKeyEvent& event) {
    const int key = event.key();
    return {.code = key,
            .move = MoveOf(key),
            .character = TypedBy(event),
            .confirms = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter,
            .repeated = event.isAutoRepeat()};
}

MouseButton FromQt(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        case Qt::NoButton:
            return MouseButton::Assistive;
        default:
            return MouseButton::Other;
    }
}

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
        item->setSizeHint(QSize(0, itemHeight_));
    }
}

void ListBox::SetItemTips(const QStringList& tips, const QStringList& descriptions) {
    for (int row = 0; row < count() && row < tips.size(); ++row) {
        item(row)->setData(kTipRole, tips[row]);
        item(row)->setData(Qt::AccessibleDescriptionRole, descriptions[row]);
    }
}

void ListBox::SetSelection(int index) {
    if (index < 0) {
        clearSelection();
        return;
    }
    const bool wasCurrent = currentIndex().row() == index;
    selectionModel()->setCurrentIndex(model()->index(index, 0),
                                      QItemSelectionModel::ClearAndSelect);
    // Getting the focus made the first item current without selecting it; a screen reader hears
    // only a focus move, so the first item chosen is told as one.
    if (wasCurrent && hasFocus()) {
        TellFocusedItem();
    }
}

void ListBox::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    viewport()->update();
    // After the list's own focus event, so the screen reader says the list, then the item.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus() && SelectedIndex() >= 0) {
            TellFocusedItem();
        }
    });
}

void ListBox::TellFocusedItem() {
    const int row = SelectedIndex() >= 0 ? SelectedIndex() : currentIndex().row();
    if (row >= 0 && QAccessible::isActive()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(row);
        QAccessible::updateAccessibility(&focus);
    }
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    Press(event);
}

// The second press of a double click arrives as a double click; the operator pressed twice.
void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    Press(event);
}

void ListBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void ListBox::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void ListBox::Press(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    setFocus(Qt::MouseFocusReason);
    event->accept();
    emit MouseDown(FromQt(event->button()), index.isValid() ? index.row() : -1);
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        // The focus moves at the press; the release then arrives at the next control.
        QListWidget::keyPressEvent(event);
        return;
    }
    emit KeyDown(FromQt(*event));
    event->accept();
}

void ListBox::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    emit KeyUp(event->key(), event->isAutoRepeat());
}

void ListBox::focusOutEvent(QFocusEvent* event) {
    emit Exit();
    QListWidget::focusOutEvent(event);
    viewport()->update();
}

// The style's own focus mark is a faint line; the keyboard's place must be plain to see.
void ListBox::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    if (hasFocus() && currentIndex().isValid()) {
        QPainter painter(viewport());
        DrawFocusMark(painter, visualRect(currentIndex()));
    }
}

bool ListBox::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QListWidget::viewportEvent(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString tip = index.isValid() ? index.data(kTipRole).toString() : QString();
    if (tip.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
    }
    return true;
}

bool ListBox::IsCut(int row) const {
    const QModelIndex index = model()->index(row, 0);
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

}  // namespace farb::qt
