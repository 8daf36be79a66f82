#pragma once

#include <string>
#include <utility>

#include "D2XXUnit.h"
#include "FtDriver.h"
#include "LampCommands.h"
#include "LampDiscovery.h"

namespace farb {

// The lamp link over one driver: the driver access layer, discovery and the command sets, wired
// to each other once. The hooks are what the link tells its owner, and the wait for a text
// lamp's answer; a program builds the link and hands it to the window, which listens.
class LampLink {
  public:
    struct Hooks {
        DriverLink::ErrorReporter onDriverError = {};
        LampDiscovery::ScanListener onScan = {};
        LampCommands::Sleep sleep = {};
        LampCommands::ExchangeListener onTextExchange = {};
    };

    LampLink(FtDriver& driver, Hooks hooks)
        : link(driver,
               [this](const std::string& text) {
                   if (hooks_.onDriverError) {
                       hooks_.onDriverError(text);
                   }
               }),
          discovery(link,
                    [this](const LampScan& scan) {
                        if (hooks_.onScan) {
                            hooks_.onScan(scan);
                        }
                    }),
          commands(link, discovery, hooks.sleep,
                   [this](bool underway) {
                       if (hooks_.onTextExchange) {
                           hooks_.onTextExchange(underway);
                       }
                   }),
          hooks_(std::move(hooks)),
          hasDriverLibrary_(driver.HasLibrary()) {}

    // The three refer to each other.
    LampLink(const LampLink&) = delete;
    LampLink& operator=(const LampLink&) = delete;

    // The owner that shows what the link reports takes the listeners over; the sleep stays.
    void Listen(DriverLink::ErrorReporter onDriverError, LampDiscovery::ScanListener onScan,
                LampCommands::ExchangeListener onTextExchange) {
        hooks_.onDriverError = std::move(onDriverError);
        hooks_.onScan = std::move(onScan);
        hooks_.onTextExchange = std::move(onTextExchange);
    }

    bool HasDriverLibrary() const { return hasDriverLibrary_; }

    DriverLink link;
    LampDiscovery discovery;
    LampCommands commands;

  private:
    // Read only once the link is built.
    Hooks hooks_;
    bool hasDriverLibrary_;
};

}  // namespace farb
