#pragma once

#include <QRect>

class QPainter;

namespace farb::artwork {

void DrawRainbowBar(QPainter& painter, const QRectF& bar);

// Each symbol is centred on the left part of its hot spot, clear of the hover label
// that appears to its right.
void DrawPlaySymbol(QPainter& painter, const QRect& spot);
void DrawPauseSymbol(QPainter& painter, const QRect& spot);
void DrawStopSymbol(QPainter& painter, const QRect& spot);

}  // namespace farb::artwork
