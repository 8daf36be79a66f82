#pragma once

#include <string>
#include <vector>

#include "TreatmentPorts.h"

namespace farb::testing {

class FakeView : public TreatmentView {
  public:
    void SetTimeText(const std::string& text) override { timeText = text; }
    std::string TimeText() const override { return timeText; }
    void SetStatusText(const std::string& text) override { statusText = text; }
    std::string StatusText() const override { return statusText; }
    int SelectedCategory() const override { return selectedCategory; }
    int SelectedProgram() const override { return selectedProgram; }
    void ShowProgramList(const std::vector<std::string>& names) override {
        programList = names;
        selectedProgram = -1;
    }

    std::string timeText;
    std::string statusText = "Bitte w\xE4hlen Sie";
    int selectedCategory = 0;
    int selectedProgram = -1;
    std::vector<std::string> programList;
};

class FakeTimer : public TreatmentTimer {
  public:
    void SetTreatmentTimer(bool on) override { this->on = on; }
    bool TreatmentTimerOn() const override { return on; }

    bool on = false;
};

class RecordingLamp : public TreatmentLamp {
  public:
    void SetLampColour(ColourCode code) override { sent.push_back(code); }

    std::vector<ColourCode> sent;
};

}  // namespace farb::testing
