#include "RainbowSymbols.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <array>
#include <cstddef>

namespace farb::artwork {
namespace {

constexpr std::array<QColor, 7> kRainbow{
    QColor(232, 64, 72),  QColor(246, 140, 52), QColor(248, 206, 64), QColor(96, 186, 92),
    QColor(52, 162, 212), QColor(70, 96, 206),  QColor(146, 86, 198),
};

constexpr qreal kSymbolCentreX = 706;
constexpr qreal kSymbolHeight = 54;

qreal MiddleY(const QRect& spot) {
    return spot.top() + spot.height() / 2.0;
}

// Hard-edged horizontal stripes from red at the top to violet at the bottom.
QLinearGradient StripesBetween(qreal top, qreal bottom) {
    QLinearGradient stripes(0, top, 0, bottom);
    const qreal band = 1.0 / kRainbow.size();
    for (std::size_t i = 0; i < kRainbow.size(); ++i) {
        stripes.setColorAt(i * band, kRainbow[i]);
        stripes.setColorAt((i + 1) * band - 0.001, kRainbow[i]);
    }
    return stripes;
}

void FillWithStripes(QPainter& painter, const QPainterPath& shape) {
    const QRectF bounds = shape.boundingRect();
    painter.setPen(
        QPen(QColor(255, 255, 255, 150), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(StripesBetween(bounds.top(), bounds.bottom()));
    painter.drawPath(shape);
}

}  // namespace

void DrawRainbowBar(QPainter& painter, const QRectF& bar) {
    const qreal segment = bar.width() / kRainbow.size();
    painter.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < kRainbow.size(); ++i) {
        painter.setBrush(kRainbow[i]);
        painter.drawRect(QRectF(bar.left() + i * segment, bar.top(), segment + 0.5, bar.height()));
    }
}

void DrawPlaySymbol(QPainter& painter, const QRect& spot) {
    const qreal middle = MiddleY(spot);
    const qreal half = kSymbolHeight / 2;
    QPainterPath triangle;
    triangle.addPolygon(QPolygonF{{
        QPointF(kSymbolCentreX - 20, middle - half),
        QPointF(kSymbolCentreX + 26, middle),
        QPointF(kSymbolCentreX - 20, middle + half),
    }});
    triangle.closeSubpath();
    FillWithStripes(painter, triangle);
}

void DrawPauseSymbol(QPainter& painter, const QRect& spot) {
    const qreal top = MiddleY(spot) - kSymbolHeight / 2;
    QPainterPath bars;
    bars.addRoundedRect(QRectF(kSymbolCentreX - 21, top, 16, kSymbolHeight), 3, 3);
    bars.addRoundedRect(QRectF(kSymbolCentreX + 5, top, 16, kSymbolHeight), 3, 3);
    FillWithStripes(painter, bars);
}

void DrawStopSymbol(QPainter& painter, const QRect& spot) {
    const qreal side = kSymbolHeight - 6;
    const qreal top = MiddleY(spot) - side / 2;
    QPainterPath square;
    square.addRoundedRect(QRectF(kSymbolCentreX - side / 2, top, side, side), 4, 4);
    FillWithStripes(painter, square);
}

}  // namespace farb::artwork
