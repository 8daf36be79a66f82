#pragma once

#include <array>
#include <cstdint>

#include "ColourCode.h"

namespace farb {

struct RgbColour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    bool operator==(const RgbColour&) const = default;
};

// The colours of the text command set, row i for colour code i + 1. The lamps' green is 0xEC, and
// their indigo a dim one.
inline constexpr std::array<RgbColour, 12> RgbTable{{
    {0xFF, 0x00, 0x00},  // red
    {0x00, 0xEC, 0x00},  // green
    {0x00, 0x00, 0xFF},  // blue
    {0xFF, 0xFF, 0xFF},  // white
    {0xFF, 0x58, 0x00},  // orange
    {0x00, 0xFF, 0xEC},  // turquoise
    {0x7C, 0x00, 0x9E},  // violet
    {0xFF, 0xAF, 0x00},  // yellow
    {0xFF, 0x5A, 0x8C},  // pink
    {0xFF, 0x00, 0x86},  // magenta
    {0x00, 0x00, 0x00},  // off
    {0x28, 0x0B, 0x35},  // indigo
}};

// The row of RgbTable for a code; codes without a row, like kColourUninterpretable, get the off
// colour, so the lamp goes dark rather than showing a colour nobody asked for.
RgbColour RgbOfCode(ColourCode code);

}  // namespace farb
