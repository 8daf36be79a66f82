#include "HotSpot.h"

#include <QMouseEvent>

namespace farb {

HotSpot::HotSpot(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::PointingHandCursor);
}

void HotSpot::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit MouseDown(event->button());
}

void HotSpot::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit MouseMove();
}

}  // namespace farb
