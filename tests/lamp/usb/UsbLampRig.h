#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "D2XXUnit.h"
#include "LampCommands.h"
#include "LampDiscovery.h"
#include "SystemDriver.h"
#include "tests/lamp/usb/EmulatedUsbBus.h"

namespace farb::testing {

// The lamp link over the real libftdi1 and libusb, talking to lamps on an emulated USB bus. The
// answer wait and the read timeout run on the bus's clock.
class UsbLampRig {
  public:
    EmulatedUsbBus bus;
    std::unique_ptr<FtDriver> driver =
        CreateLibFtdiDriver(kSysfsUsbDevices, [this] { return bus.clock.Now(); });
    std::vector<std::string> reports;
    DriverLink link{*driver, [this](const std::string& text) { reports.push_back(text); }};
    LampDiscovery discovery{link, {}};
    LampCommands commands{
        link, discovery, [this](std::chrono::milliseconds wait) { bus.clock.Advance(wait); }, {}};
};

}  // namespace farb::testing
