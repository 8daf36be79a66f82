#pragma once

#include <string_view>

namespace farb {

// Why the lamp could not be opened, as far as the driver can tell.
enum class OpenFailure { None, NoPermission, InUse, Other };

// The status box's hint for the operator: the cause and the README section that mends it (Latin-1);
// empty for None.
std::string_view OpenFailureHint(OpenFailure failure);

}  // namespace farb
