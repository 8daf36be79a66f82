#pragma once

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <vector>

#include "VirtualLamp.h"

namespace farb::qt {

// Shows what the virtual lamp was told and lets the user plug it in, pull it out and pick its
// kind.
class VirtualLampWindow : public QWidget {
    Q_OBJECT

  public:
    explicit VirtualLampWindow(VirtualLamp& lamp, QWidget* parent = nullptr);
    ~VirtualLampWindow() override;

  private:
    void StyleControls();
    void LayOutControls();
    void Plug();
    void ShowLamp();

    VirtualLamp& lamp_;
    QFrame* field_;
    QLabel* colourName_;
    std::vector<QLabel*> details_;  // the readout's rows, in their order
    QComboBox* kind_;
    QPushButton* plug_;
    QPushButton* unplug_;
};

}  // namespace farb::qt
