#include "ListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace farb {

namespace {
constexpr int kItemHeight = 18;
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
        item->setSizeHint(QSize(0, kItemHeight));
    }
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    // Only a left press on an item moves the selection; a press into the empty space below the
    // items would otherwise clear it and leave the operator with nothing chosen.
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid()) {
        QListWidget::mousePressEvent(event);
    } else {
        setFocus(Qt::MouseFocusReason);
        event->accept();
    }
    emit MouseDown(event->button());
}

void ListBox::keyReleaseEvent(QKeyEvent* event) {
    QListWidget::keyReleaseEvent(event);
    // A key held down repeats its release; the operator pressed it only once.
    if (!event->isAutoRepeat()) {
        emit KeyUp(event->key());
    }
}

}  // namespace farb
