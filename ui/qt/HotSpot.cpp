#include "HotSpot.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "FocusMark.h"
#include "ListBox.h"

namespace farb::qt {
namespace {

class AccessibleHotSpot : public QAccessibleWidget {
  public:
    explicit AccessibleHotSpot(HotSpot* spot) : QAccessibleWidget(spot, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) {
            emit static_cast<HotSpot*>(widget())->MouseDown(MouseButton::Assistive);
        }
    }
};

QAccessibleInterface* CreateAccessibleHotSpot(const QString& className, QObject* object) {
    if (className == QLatin1String(HotSpot::staticMetaObject.className())) {
        return new AccessibleHotSpot(static_cast<HotSpot*>(object));
    }
    return nullptr;
}

}  // namespace

HotSpot::HotSpot(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::PointingHandCursor);
    // Tab reaches it; a click does not take the focus, so the mark shows only for the keyboard.
    setFocusPolicy(Qt::TabFocus);
    // Qt keeps each factory once, however many hot spots register it.
    QAccessible::installFactory(CreateAccessibleHotSpot);
}

void HotSpot::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit MouseDown(FromQt(event->button()));
}

void HotSpot::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit MouseMove();
}

void HotSpot::keyPressEvent(QKeyEvent* event) {
    const KeyStroke key = FromQt(*event);
    if (!key.confirms) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    emit KeyDown(key);
}

void HotSpot::paintEvent(QPaintEvent*) {
    if (hasFocus()) {
        QPainter painter(this);
        DrawFocusMark(painter, rect());
    }
}

}  // namespace farb::qt
