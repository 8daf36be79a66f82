#pragma once

#include <string>

#include "FormFrontEnd.h"
#include "TreatmentControl.h"

namespace farb {

// What follows the treatment after every event and tick, each sent only when it changed: the
// time text's tooltip, the task bar's progress, and whether the machine stays awake.
class TreatmentSignals {
  public:
    explicit TreatmentSignals(FormFrontEnd& frontEnd) : frontEnd_(frontEnd) {}

    // `row` is the programme list's selection; a closed window shows no treatment.
    void Show(const TreatmentControl& treatment, int row, bool closed);

  private:
    void ShowCountdownTip(const TreatmentControl& treatment, int row);
    void ShowProgress(const TreatmentControl& treatment, TreatmentState state, int row);
    void KeepAwake(TreatmentState state);

    FormFrontEnd& frontEnd_;
    std::string countdownTip_;
    TreatmentProgress progress_;
    bool keptAwake_ = false;
};

}  // namespace farb
