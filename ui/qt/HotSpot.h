#pragma once

#include <QWidget>

#include "FormInput.h"

namespace farb::qt {

// A transparent area over a button drawn in the artwork. Assistive technology sees a push
// button with the hot spot's accessible name, and its press action emits MouseDown with
// MouseButton::Assistive; Tab reaches it, and Space and Enter go to the form as KeyDown. The
// focus mark, while it has the keyboard focus, is all it ever draws.
class HotSpot : public QWidget {
    Q_OBJECT

  public:
    explicit HotSpot(QWidget* parent = nullptr);

  signals:
    void MouseDown(farb::MouseButton button);
    void MouseMove();
    void KeyDown(farb::KeyStroke key);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace farb::qt
