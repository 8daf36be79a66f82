#include "BackgroundImage.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cstring>
#include <utility>

namespace farb::qt {
namespace {

constexpr int kBandRows = 16;

}  // namespace

BackgroundImage::BackgroundImage(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAutoFillBackground(true);
}

void BackgroundImage::SetPicture(std::optional<JpegPicture> picture) {
    picture_ = std::move(picture);
    update();
}

void BackgroundImage::paintEvent(QPaintEvent* event) {
    if (!picture_) {
        return;
    }
    const QRect area =
        event->rect().intersected(QRect(0, 0, picture_->width(), picture_->height()));
    if (area.isEmpty()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);  // on a scaled screen
    QImage band(area.width(), kBandRows, QImage::Format_RGB32);
    int bandTop = area.top();
    const auto drawBand = [&](int rows) {
        painter.drawImage(QPoint(area.left(), bandTop), band, QRect(0, 0, area.width(), rows));
    };
    const auto bytesPerPixel = static_cast<std::size_t>(band.depth() / 8);
    picture_->DecodeRows(area.top(), area.height(), PixelLayout::Xrgb32,
                         [&](int y, std::span<const std::uint8_t> row) {
                             std::memcpy(band.scanLine(y - bandTop),
                                         row.data() + area.left() * bytesPerPixel,
                                         area.width() * bytesPerPixel);
                             if (y - bandTop + 1 == kBandRows || y == area.bottom()) {
                                 drawBand(y - bandTop + 1);
                                 bandTop = y + 1;
                             }
                         });
}

void BackgroundImage::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit MouseMove(event->position().toPoint());
}

}  // namespace farb::qt
