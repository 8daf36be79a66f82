#pragma once

#include "ControlTable.h"
#include "FormFrontEnd.h"

namespace farb {

// The labels "Start", "Pause" and "Stop" beside the hot spots: at most one shows, the one of the
// hot spot under the pointer.
class HoverLabels {
  public:
    explicit HoverLabels(FormFrontEnd& frontEnd) : frontEnd_(frontEnd) {}

    void SetTexts();
    void HideAll();
    // Image1 shows none.
    void ShowOnly(ControlId label);
    // The pointer moved over the background at a client point (96 dpi pixels).
    void PointerOverBackground(int x, int y);

  private:
    FormFrontEnd& frontEnd_;
    ControlId shown_ = ControlId::Image1;  // Image1: none shown
};

}  // namespace farb
