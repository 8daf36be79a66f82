#pragma once

#include <QPainter>
#include <QRect>

namespace farb::qt {

// The frame that shows the keyboard focus, just inside `area`, in the window's focus colour.
void DrawFocusMark(QPainter& painter, const QRect& area);

}  // namespace farb::qt
