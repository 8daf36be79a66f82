#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "EmulatedUsbBus.h"
#include "LampLink.h"
#include "LibFtdiDriver.h"

namespace farb::testing {

// The lamp link over the real libftdi1 and libusb, talking to lamps on an emulated USB bus. The
// answer wait and the read timeout run on the bus's clock.
class UsbLampRig {
  public:
    EmulatedUsbBus bus;
    std::unique_ptr<FtDriver> driver =
        CreateLibFtdiDriver(kSysfsUsbDevices, [this] { return bus.clock.Now(); });
    std::vector<std::string> reports;
    LampLink lamp{*driver,
                  {.onDriverError = [this](const std::string& text) { reports.push_back(text); },
                   .sleep = [this](std::chrono::milliseconds wait) { bus.clock.Advance(wait); }}};
    DriverLink& link = lamp.link;
    LampDiscovery& discovery = lamp.discovery;
    LampCommands& commands = lamp.commands;
};

}  // namespace farb::testing
