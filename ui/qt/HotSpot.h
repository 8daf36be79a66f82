#pragma once

#include <QWidget>

#include "FormInput.h"

namespace farb::qt {

// A transparent area over a button drawn in the artwork; it draws nothing itself. Assistive
// technology sees a push button with the hot spot's accessible name, and its press action
// emits MouseDown with MouseButton::Assistive, so it runs whatever a mouse press runs.
class HotSpot : public QWidget {
    Q_OBJECT

  public:
    explicit HotSpot(QWidget* parent = nullptr);

  signals:
    void MouseDown(farb::MouseButton button);
    void MouseMove();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace farb::qt
