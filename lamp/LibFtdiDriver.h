#pragma once

#include <filesystem>
#include <memory>

#include "FtDriver.h"
#include "SysfsUsbStrings.h"

namespace farb {

// libftdi1 over libusb, reading device strings from the sysfs tree at `sysfsDevices` when the
// kernel shows them there.
std::unique_ptr<FtDriver> CreateLibFtdiDriver(
    const std::filesystem::path& sysfsDevices = kSysfsUsbDevices);

}  // namespace farb
