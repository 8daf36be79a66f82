#include "LampCommandReading.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

#include "LampWireFormat.h"

namespace farb {

namespace {

constexpr char kColourLetter = 'C';
constexpr std::size_t kColourCommandLength = 7;
constexpr std::uint8_t kBinaryStart = 0xFF;
constexpr std::uint8_t kBinaryCodeOffset = 0x40;

std::optional<std::uint8_t> HexDigit(char digit) {
    if (digit >= '0' && digit <= '9') {
        return static_cast<std::uint8_t>(digit - '0');
    }
    if (digit >= 'A' && digit <= 'F') {
        return static_cast<std::uint8_t>(digit - 'A' + 10);
    }
    if (digit >= 'a' && digit <= 'f') {
        return static_cast<std::uint8_t>(digit - 'a' + 10);
    }
    return std::nullopt;
}

std::optional<std::uint8_t> HexByte(std::string_view twoDigits) {
    const auto high = HexDigit(twoDigits[0]);
    const auto low = HexDigit(twoDigits[1]);
    if (!high || !low) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(*high << 4 | *low);
}

ColourCode CodeOfColour(const RgbColour& colour) {
    const auto row = std::ranges::find(RgbTable, colour);
    return row == RgbTable.end() ? kColourUninterpretable
                                 : static_cast<ColourCode>(row - RgbTable.begin()) + 1;
}

LampCommandReading ReadTextCommand(std::string_view line) {
    if (!line.ends_with(kLineEnd)) {
        return {};
    }
    line.remove_suffix(kLineEnd.size());
    if (line == kVersionQuery) {
        return {CommandMeaning::VersionQuery};
    }
    if (line.size() != kColourCommandLength || line.front() != kColourLetter) {
        return {};
    }
    const auto red = HexByte(line.substr(1, 2));
    const auto green = HexByte(line.substr(3, 2));
    const auto blue = HexByte(line.substr(5, 2));
    if (!red || !green || !blue) {
        return {};
    }
    const RgbColour colour{*red, *green, *blue};
    return {CommandMeaning::Colour, colour, CodeOfColour(colour)};
}

LampCommandReading ReadBinaryCommand(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != 2 || bytes[0] != kBinaryStart) {
        return {};
    }
    const ColourCode code = bytes[1] - kBinaryCodeOffset;
    if (code < 1 || code > static_cast<ColourCode>(RgbTable.size())) {
        return {};
    }
    return {CommandMeaning::Colour, RgbOfCode(code), code};
}

}  // namespace

LampCommandReading ReadLampCommand(CommandSet set, std::span<const std::uint8_t> bytes) {
    if (set == CommandSet::Binary) {
        return ReadBinaryCommand(bytes);
    }
    return ReadTextCommand(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::string HexBytes(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", byte);
        if (!text.empty()) {
            text += ' ';
        }
        text += hex;
    }
    return text;
}

std::string ReadableBytes(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        if (byte == '\r') {
            text += "<CR>";
        } else if (byte == '\n') {
            text += "<LF>";
        } else if (byte >= 0x20 && byte < 0x7F) {
            text += static_cast<char>(byte);
        } else {
            text += "<" + HexBytes(std::span(&byte, 1)) + ">";
        }
    }
    return text;
}

}  // namespace farb
