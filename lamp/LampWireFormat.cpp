#include "LampWireFormat.h"

#include "RgbTable.h"

namespace farb {

namespace {

constexpr std::uint8_t kBinaryCommandStart = 0xFF;
constexpr std::uint8_t kBinaryCodeOffset = 0x40;
constexpr char kColourCommandLetter = 'C';

void AppendHexByte(std::string& text, std::uint8_t byte) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
}

}  // namespace

// Unsigned, so that any code wraps into its byte instead of overflowing near the int limits.
std::array<std::uint8_t, 2> BinaryColourCommand(ColourCode code) {
    return {kBinaryCommandStart,
            static_cast<std::uint8_t>(static_cast<unsigned>(code) + kBinaryCodeOffset)};
}

std::string TextColourCommand(ColourCode code) {
    const RgbColour colour = RgbOfCode(code);
    std::string command(1, kColourCommandLetter);
    AppendHexByte(command, colour.red);
    AppendHexByte(command, colour.green);
    AppendHexByte(command, colour.blue);
    return command;
}

std::string AnswerText(std::span<const std::uint8_t> received) {
    std::string answer;
    for (const std::uint8_t byte : received) {
        if (byte != '\r' && byte != '\n') {
            answer += static_cast<char>(byte);
        }
    }
    return answer;
}

}  // namespace farb
