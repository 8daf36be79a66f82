#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>

#include "FtDriver.h"
#include "SysfsUsbStrings.h"

namespace farb {

using SteadyNow = std::function<std::chrono::steady_clock::time_point()>;

// libftdi1 over libusb, reading device strings from the sysfs tree at `sysfsDevices` when the
// kernel shows them there; `now` measures the read timeout.
std::unique_ptr<FtDriver> CreateLibFtdiDriver(
    const std::filesystem::path& sysfsDevices = kSysfsUsbDevices,
    SteadyNow now = std::chrono::steady_clock::now);

}  // namespace farb
