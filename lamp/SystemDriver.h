#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>

#include "FtDriver.h"
#include "SysfsUsbStrings.h"

namespace farb {

// The vendor D2XX library when it loads, otherwise libftdi1.
std::unique_ptr<FtDriver> CreateSystemDriver();

// The vendor D2XX library at `path` (a plain name goes through the loader's search); nullptr
// when the library or any of its functions is missing.
std::unique_ptr<FtDriver> LoadD2xxLibrary(const char* path);

using SteadyNow = std::function<std::chrono::steady_clock::time_point()>;

// libftdi1 over libusb, reading device strings from the sysfs tree at `sysfsDevices` when the
// kernel shows them there; `now` measures the read timeout.
std::unique_ptr<FtDriver> CreateLibFtdiDriver(
    const std::filesystem::path& sysfsDevices = kSysfsUsbDevices,
    SteadyNow now = std::chrono::steady_clock::now);

}  // namespace farb
