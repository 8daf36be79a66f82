#pragma once

#include <QWidget>

namespace farb::qt {

// "DEMO · virtuelle Lampe" on its plate in the main window's header, where the control table puts
// it; the pointer passes through it to the artwork below.
class DemoMark : public QWidget {
    Q_OBJECT

  public:
    explicit DemoMark(QWidget* window);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace farb::qt
