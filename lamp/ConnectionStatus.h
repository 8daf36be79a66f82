#pragma once

#include <array>
#include <string_view>

namespace farb {

// The items of the connection status box; discovery selects 0 without a lamp and
// LampProtocol + 1 with one.
inline constexpr std::array<std::string_view, 4> kConnectionStatusItems{"keine Verbindung", "USB",
                                                                        "USB", "USB"};
inline constexpr int kStatusItemNoConnection = 0;
inline constexpr int kStatusItemNotSelected = -1;

}  // namespace farb
