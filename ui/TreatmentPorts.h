#pragma once

#include <string>
#include <vector>

#include "ColourCode.h"

namespace farb {

// What the treatment sees of the window: the two texts and the two list selections.
class TreatmentView {
  public:
    virtual ~TreatmentView() = default;

    virtual void SetTimeText(const std::string& text) = 0;
    virtual std::string TimeText() const = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    virtual std::string StatusText() const = 0;

    // Selected item of the category list and of the programme list; -1 when none is selected.
    virtual int SelectedCategory() const = 0;
    virtual int SelectedProgram() const = 0;
    // Replaces the programme list; afterwards no programme is selected.
    virtual void ShowProgramList(const std::vector<std::string>& names) = 0;
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
