#pragma once

#include <filesystem>
#include <memory>

#include "FtDriver.h"

namespace farb {

// The driver the program talks to the lamp through. On Windows the vendor D2XX library
// ("ftd2xx.dll" through the DLL search order), or NoDriver when it is not installed; elsewhere
// the vendor library when it loads, otherwise libftdi1.
std::unique_ptr<FtDriver> CreateSystemDriver();

// The vendor D2XX library at `path` (a plain name goes through the loader's search); nullptr
// when the library or any of its functions is missing.
std::unique_ptr<FtDriver> LoadD2xxLibrary(const std::filesystem::path& path);

}  // namespace farb
