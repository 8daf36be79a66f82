#pragma once

#include <string>
#include <vector>

#include "TreatmentPorts.h"

namespace farb::testing {

class FakeView : public TreatmentView {
  public:
    void SetTimeText(const std::string& text) override { timeText = text; }
    void SetStatusText(const std::string& text) override { statusText = text; }
    void ShowProgramList(const std::vector<std::string>& names) override { programList = names; }
    void AskForAttention() override { ++attentionRequests; }

    std::string timeText;
    std::string statusText = "Bitte w\xE4hlen Sie";
    std::vector<std::string> programList;
    int attentionRequests = 0;
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
