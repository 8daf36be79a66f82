#pragma once

#include <string_view>

namespace farb {

// Lamps programmed with the lamp family's own descriptions; taken before anything else.
bool IsLampDescription(std::string_view description);

// The plain USB-serial cable description, taken only when no lamp description is present.
bool IsCableLampDescription(std::string_view description);

}  // namespace farb
