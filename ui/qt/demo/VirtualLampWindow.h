#pragma once

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "VirtualLamp.h"

namespace farb {

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
    void ShowField(const QColor& colour);

    VirtualLamp& lamp_;
    QFrame* field_;
    QLabel* colourName_;
    QLabel* hexCommand_;
    QLabel* textCommand_;
    QLabel* commandCount_;
    QLabel* connection_;
    QLabel* serialNumber_;
    QComboBox* kind_;
    QPushButton* plug_;
    QPushButton* unplug_;
};

}  // namespace farb
