#include "LampCommandReading.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "LampWireFormat.h"

namespace farb {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

LampCommandReading ReadText(std::string_view text) {
    return ReadLampCommand(CommandSet::Text, Bytes(text));
}

// The lamp must read back every colour exactly as the program's own command sets write it.
TEST(LampCommandReading, EveryCodeReadsBackFromBothCommandSets) {
    for (ColourCode code = 1; code <= 12; ++code) {
        SCOPED_TRACE(code);
        const LampCommandReading text = ReadText(TextColourCommand(code) + std::string(kLineEnd));
        EXPECT_EQ(text.meaning, CommandMeaning::Colour);
        EXPECT_EQ(text.colour, RgbOfCode(code));
        EXPECT_EQ(text.code, code);

        const auto binaryBytes = BinaryColourCommand(code);
        const LampCommandReading binary = ReadLampCommand(CommandSet::Binary, binaryBytes);
        EXPECT_EQ(binary.meaning, CommandMeaning::Colour);
        EXPECT_EQ(binary.colour, RgbOfCode(code));
        EXPECT_EQ(binary.code, code);
    }
}

TEST(LampCommandReading, GreenAndOffGetTheirGermanNames) {
    EXPECT_EQ(GermanColourName(ReadText("C00EC00\r\n").code), "gr\xFCn");
    EXPECT_EQ(GermanColourName(ReadText("C000000\r\n").code), "aus");
    EXPECT_EQ(GermanColourName(ReadText("C280B35\r\n").code), "indigo");
    const std::uint8_t white[] = {0xFF, 0x44};
    EXPECT_EQ(GermanColourName(ReadLampCommand(CommandSet::Binary, white).code), "wei\xDF");
}

TEST(LampCommandReading, TextColourOutsideTheTableIsShownWithoutAName) {
    const LampCommandReading reading = ReadText("C12ab56\r\n");
    EXPECT_EQ(reading.meaning, CommandMeaning::Colour);
    EXPECT_EQ(reading.colour, (RgbColour{0x12, 0xAB, 0x56}));
    EXPECT_EQ(GermanColourName(reading.code), "ohne Namen");
}

TEST(LampCommandReading, VersionQueryIsNoColour) {
    EXPECT_EQ(ReadText("VER\r\n").meaning, CommandMeaning::VersionQuery);
}

TEST(LampCommandReading, BytesOutsideTheLampsCommandSetAreNotUnderstood) {
    const std::vector<std::uint8_t> binaryGreen{0xFF, 0x42};
    const std::vector<std::vector<std::uint8_t>> textLampRejects{
        binaryGreen,          Bytes("C00EC00"),     Bytes("C00EC00\n"), Bytes("C00EC0\r\n"),
        Bytes("C00EG00\r\n"), Bytes("D00EC00\r\n"), Bytes("VER"),       Bytes(""),
    };
    for (const auto& bytes : textLampRejects) {
        SCOPED_TRACE(ReadableBytes(bytes));
        EXPECT_EQ(ReadLampCommand(CommandSet::Text, bytes).meaning, CommandMeaning::NotUnderstood);
    }

    const std::vector<std::vector<std::uint8_t>> binaryLampRejects{
        Bytes("VER\r\n"), Bytes("C00EC00\r\n"), {0xFF, 0x40}, {0xFF, 0x4D}, {0xFF, 0xA3},
        {0xFE, 0x42},     {0xFF, 0x42, 0xFF},   {0xFF},       {},
    };
    for (const auto& bytes : binaryLampRejects) {
        SCOPED_TRACE(ReadableBytes(bytes));
        EXPECT_EQ(ReadLampCommand(CommandSet::Binary, bytes).meaning,
                  CommandMeaning::NotUnderstood);
    }
}

TEST(LampCommandReading, CommandsAreShownAsHexAndAsReadableText) {
    const auto green = Bytes("C00EC00\r\n");
    EXPECT_EQ(HexBytes(green), "43 30 30 45 43 30 30 0D 0A");
    EXPECT_EQ(ReadableBytes(green), "C00EC00<CR><LF>");

    const std::uint8_t binaryGreen[] = {0xFF, 0x42};
    EXPECT_EQ(HexBytes(binaryGreen), "FF 42");
    EXPECT_EQ(ReadableBytes(binaryGreen), "<FF>B");

    const std::uint8_t controlAndLatin1[] = {0x00, 0x7F, 0xFC, 0x20};
    EXPECT_EQ(ReadableBytes(controlAndLatin1), "<00><7F><FC> ");
    EXPECT_EQ(HexBytes({}), "");
}

}  // namespace
}  // namespace farb
