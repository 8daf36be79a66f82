#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "ColourCode.h"

namespace farb {

inline constexpr std::string_view kVersionQuery = "VER";
inline constexpr std::string_view kLineEnd = "\r\n";

// Binary command set: 0xFF, then the code + 0x40 as a byte (code 1 is the letter A).
std::array<std::uint8_t, 2> BinaryColourCommand(ColourCode code);

// Text command set: "C" and the red, green and blue bytes as upper-case hex, e.g. "C00EC00".
std::string TextColourCommand(ColourCode code);

// The lamp's answer as text: the bytes received, without any CR or LF.
std::string AnswerText(std::span<const std::uint8_t> received);

}  // namespace farb
