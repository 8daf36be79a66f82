#include "DemoMark.h"

#include <QPainter>

#include "ControlTable.h"
#include "CoreText.h"
#include "FormTexts.h"

namespace farb::qt {
namespace {

QColor ToQColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace

DemoMark::DemoMark(QWidget* window) : QWidget(window) {
    const Rect& rect = DemoMarkLayout().rect;
    setObjectName(QStringLiteral("DemoMark"));
    setGeometry(rect.left, rect.top, rect.width, rect.height);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(FromCoreText(kDemoMarkText));
    raise();
}

void DemoMark::paintEvent(QPaintEvent*) {
    const MarkLayout& mark = DemoMarkLayout();
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(mark.background));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(mark.fontPixels);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(ToQColor(mark.textColour));
    painter.drawText(rect(), Qt::AlignCenter, FromCoreText(kDemoMarkText));
}

}  // namespace farb::qt
