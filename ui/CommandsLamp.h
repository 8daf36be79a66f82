#pragma once

#include "LampCommands.h"
#include "TreatmentPorts.h"

namespace farb {

// Hands the treatment's colours to the lamp link.
class CommandsLamp : public TreatmentLamp {
  public:
    explicit CommandsLamp(LampCommands& commands) : commands_(commands) {}
    void SetLampColour(ColourCode code) override { commands_.SetLampColour(code); }

  private:
    LampCommands& commands_;
};

}  // namespace farb
