#pragma once

#include <string>
#include <string_view>

#include "FtDriver.h"

namespace farb {

// The text of the error box for a failed driver call: the caption and what the status means.
std::string DriverErrorText(std::string_view caption, FT_STATUS status);

}  // namespace farb
