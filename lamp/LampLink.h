#pragma once

#include <utility>

#include "D2XXUnit.h"
#include "FtDriver.h"
#include "LampCommands.h"
#include "LampDiscovery.h"

namespace farb {

// The lamp link over one driver: the driver access layer, discovery and the command sets, wired
// to each other once. The hooks are what the link tells its owner, or asks of it.
class LampLink {
  public:
    struct Hooks {
        DriverLink::ErrorReporter onDriverError = {};
        LampDiscovery::StatusItemListener onStatusItem = {};
        LampCommands::Sleep sleep = {};
        LampCommands::PollTimerSwitch pollTimer = {};
    };

    LampLink(FtDriver& driver, Hooks hooks)
        : link(driver, std::move(hooks.onDriverError)),
          discovery(link, std::move(hooks.onStatusItem)),
          commands(link, discovery, std::move(hooks.sleep), std::move(hooks.pollTimer)) {}

    // The three refer to each other.
    LampLink(const LampLink&) = delete;
    LampLink& operator=(const LampLink&) = delete;

    DriverLink link;
    LampDiscovery discovery;
    LampCommands commands;
};

}  // namespace farb
