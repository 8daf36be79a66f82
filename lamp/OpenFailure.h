#pragma once

namespace farb {

// Why the lamp could not be opened, as far as the driver can tell.
enum class OpenFailure { None, NoPermission, InUse, Other };

}  // namespace farb
