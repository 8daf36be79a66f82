#pragma once

#include <string>
#include <vector>

#include "ColourCode.h"

namespace farb {

// What the treatment shows on the window: the two texts and the programme list.
class TreatmentView {
  public:
    virtual ~TreatmentView() = default;

    virtual void SetTimeText(const std::string& text) = 0;
    virtual void SetStatusText(const std::string& text) = 0;

    // Replaces the programme list; afterwards no programme is selected.
    virtual void ShowProgramList(const std::vector<std::string>& names) = 0;
    // The countdown has just reached 0:00: the operator is called without changing what is shown.
    virtual void AskForAttention() = 0;
};

// The one-second treatment timer.
class TreatmentTimer {
  public:
    virtual ~TreatmentTimer() = default;

    virtual void SetTreatmentTimer(bool on) = 0;
    virtual bool TreatmentTimerOn() const = 0;
};

class TreatmentLamp {
  public:
    virtual ~TreatmentLamp() = default;

    virtual void SetLampColour(ColourCode code) = 0;
    void LampOff() { SetLampColour(kColourOff); }
};

}  // namespace farb
