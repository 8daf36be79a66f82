#include "FocusMark.h"

#include <QPen>

#include "ControlTable.h"

namespace farb::qt {

void DrawFocusMark(QPainter& painter, const QRect& area) {
    const WindowLayout& window = MainWindowLayout();
    const int width = window.focusMarkWidth;
    QPen pen(QColor(window.focusMark.red, window.focusMark.green, window.focusMark.blue));
    pen.setWidth(width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // A pen of even width is centred on the line, so half of it goes inside.
    painter.drawRect(QRectF(area).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
}

}  // namespace farb::qt
