#include "BackgroundArtwork.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ArtworkLayout.h"
#include "RainbowSymbols.h"

namespace farb::artwork {
namespace {

const QString kFamily = QStringLiteral("Liberation Sans");
constexpr QColor kListLavender(160, 158, 205);
constexpr QColor kInk(48, 44, 108);
constexpr QRectF kControlPanel(612, 124, 201, 445);

QFont Lettering(int pixelSize, QFont::Weight weight, qreal spacing) {
    QFont font(kFamily);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void DrawSky(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, kPictureSize.height());
    sky.setColorAt(0.0, QColor(238, 235, 250));
    sky.setColorAt(0.16, QColor(206, 200, 236));
    sky.setColorAt(0.36, QColor(92, 90, 168));
    sky.setColorAt(0.7, QColor(44, 48, 122));
    sky.setColorAt(1.0, QColor(20, 28, 82));
    painter.fillRect(QRect(QPoint(0, 0), kPictureSize), sky);
}

void DrawBrand(QPainter& painter) {
    const QFont brandFont = Lettering(56, QFont::Normal, 3);
    const QPointF origin(30, 82);
    painter.setFont(brandFont);
    painter.setPen(kInk);
    painter.drawText(origin, QStringLiteral("Lanvo"));

    const qreal width = QFontMetricsF(brandFont).horizontalAdvance(QStringLiteral("Lanvo")) - 6;
    DrawRainbowBar(painter, QRectF(origin.x() + 2, origin.y() + 12, width, 4));

    painter.setFont(Lettering(14, QFont::Normal, 3));
    painter.setPen(QColor(kInk.red(), kInk.green(), kInk.blue(), 190));
    painter.drawText(QRectF(0, 60, kControlPanel.right(), 24), Qt::AlignRight | Qt::AlignBottom,
                     QStringLiteral("LICHT- UND FARBTHERAPIE"));
}

// A soft shadow first, so the panel seems to lie a little above the background.
void DrawPanel(QPainter& painter, const QRectF& panel, const QColor& fill, const QColor& rim) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 20, 60, 14));
    for (int spread = 6; spread > 0; spread -= 2) {
        painter.drawRoundedRect(panel.adjusted(-spread, -spread + 3, spread, spread + 3),
                                12 + spread, 12 + spread);
    }
    painter.setPen(QPen(rim, 1.5));
    painter.setBrush(fill);
    painter.drawRoundedRect(panel, 12, 12);
}

void DrawListPanel(QPainter& painter, const QRect& list, const QString& heading) {
    const QRectF panel = QRectF(list).adjusted(-6, -44, 6, 8);
    DrawPanel(painter, panel, kListLavender, QColor(255, 255, 255, 170));

    painter.setFont(Lettering(16, QFont::Bold, 2.5));
    painter.setPen(Qt::white);
    const QRectF headingBand(panel.left(), panel.top() + 4, panel.width(),
                             list.top() - panel.top() - 6);
    painter.drawText(headingBand, Qt::AlignCenter, heading);

    painter.setPen(QPen(QColor(255, 255, 255, 110), 1));
    const qreal divider = list.top() - 4.5;
    painter.drawLine(QPointF(panel.left() + 14, divider), QPointF(panel.right() - 14, divider));
}

// A white magnifier, the sign of a search, in the programme list's header.
void DrawMagnifier(QPainter& painter, const QRect& spot) {
    const QRectF area = QRectF(spot).adjusted(3, 3, -3, -3);
    const qreal lens = area.width() * 0.62;
    const QRectF glass(area.left(), area.top(), lens, lens);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 2.2));
    painter.drawEllipse(glass);
    painter.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap));
    const qreal reach = lens / 2 * 0.7071;
    painter.drawLine(glass.center() + QPointF(reach, reach), area.bottomRight());
}

void DrawControlPanel(QPainter& painter) {
    DrawPanel(painter, kControlPanel, QColor(28, 30, 80, 235), QColor(255, 255, 255, 60));

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(kStatusBox).adjusted(-6, -6, 6, 6), 6, 6);
}

}  // namespace

QImage DrawBackground() {
    QImage image(kPictureSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    DrawSky(painter);
    DrawBrand(painter);
    DrawListPanel(painter, kCategoryList, QStringLiteral("HAUPTGRUPPEN"));
    DrawListPanel(painter, kProgramList, QStringLiteral("BESCHWERDEN"));
    DrawMagnifier(painter, kSearchSpot);
    DrawControlPanel(painter);
    DrawPlaySymbol(painter, kStartSpot);
    DrawPauseSymbol(painter, kPauseSpot);
    DrawStopSymbol(painter, kStopSpot);
    return image;
}

}  // namespace farb::artwork
