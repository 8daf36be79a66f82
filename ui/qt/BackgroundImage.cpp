#include "BackgroundImage.h"

#include <QMouseEvent>
#include <QPainter>

namespace farb::qt {

BackgroundImage::BackgroundImage(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAutoFillBackground(true);
}

void BackgroundImage::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void BackgroundImage::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), picture_.size()), picture_);
}

void BackgroundImage::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit MouseMove(event->position().toPoint());
}

}  // namespace farb::qt
