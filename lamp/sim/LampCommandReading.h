#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "ColourCode.h"
#include "RgbTable.h"

namespace farb {

// The command set a virtual lamp understands; bytes of the other set mean nothing to it.
enum class CommandSet { Text, Binary };

enum class CommandMeaning { Colour, VersionQuery, NotUnderstood };

struct LampCommandReading {
    CommandMeaning meaning = CommandMeaning::NotUnderstood;
    RgbColour colour{};                        // what the lamp shows now, for a colour command
    ColourCode code = kColourUninterpretable;  // the RgbTable row of that colour, if it has one
};

// What a lamp does with the bytes of one write. A text lamp takes "C" with six hex digits, or
// "VER", each ending in CR LF; a binary lamp takes 0xFF and the code + 0x40 for codes 1 to 12.
LampCommandReading ReadLampCommand(CommandSet set, std::span<const std::uint8_t> bytes);

// "43 30 30 45 43 30 30 0D 0A"
std::string HexBytes(std::span<const std::uint8_t> bytes);

// The bytes as a person reads them: "C00EC00<CR><LF>", "<FF>B". Printable ASCII stays, everything
// else becomes its hex value in angle brackets.
std::string ReadableBytes(std::span<const std::uint8_t> bytes);

}  // namespace farb
