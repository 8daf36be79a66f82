#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "LampRig.h"

namespace farb::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::IsEmpty;

class LampCommandsTest : public ::testing::Test {
  protected:
    // A lamp whose command set discovery has already settled, with the record started afresh.
    int PlugKnownLamp(LampKind kind, int protocol) {
        const int id = rig.driver.Plug("Luma-Glanz", "L1", kind);
        rig.discovery.ScanForLamp();
        rig.discovery.SetLampProtocol(protocol);
        rig.ClearRecord();
        return id;
    }

    LampRig rig;
};

TEST_F(LampCommandsTest, BinaryColourIsTwoBytesAt9600BaudWithoutTimeoutsOrAnswer) {
    const int lamp = PlugKnownLamp(LampKind::BinaryLamp, 1);
    rig.commands.SetLampColour(kColourGreen);
    EXPECT_THAT(rig.Timeline(),
                ElementsAre("CountDevices", "DeviceDescription(0)", "DeviceSerialNumber(0)",
                            "OpenBySerialNumber(L1)", "SetBaudRate(9600)",
                            "SetDataCharacteristics(8,2,0)", "Write(FF 42)", "Close"));
    EXPECT_EQ(rig.Received(lamp), "\xFF\x42");
}

TEST_F(LampCommandsTest, BinaryByteIsTheCodePlus0x40) {
    const int lamp = PlugKnownLamp(LampKind::BinaryLamp, 1);
    rig.commands.SetLampColour(kColourRed);
    rig.commands.SetLampColour(kColourIndigo);
    rig.commands.LampOff();
    rig.commands.SetLampColour(kColourUninterpretable);
    EXPECT_EQ(rig.Received(lamp), "\xFF\x41\xFF\x4C\xFF\x4B\xFF\xA3");
}

// Codes at the ends of int overflowed when 0x40 was added (found by the lamp link fuzzer under the
// undefined-behaviour sanitizer); the byte is the low byte of the sum.
TEST_F(LampCommandsTest, BinaryByteOfAnyIntCodeWrapsWithoutOverflow) {
    const int lamp = PlugKnownLamp(LampKind::BinaryLamp, 1);
    rig.commands.SetLampColour(std::numeric_limits<int>::max());
    rig.commands.SetLampColour(std::numeric_limits<int>::min());
    rig.commands.SetLampColour(-1);
    EXPECT_EQ(rig.Received(lamp), "\xFF\x3F\xFF\x40\xFF\x3F");
}

TEST_F(LampCommandsTest, TextExchangeRunsInItsOrderWithThePollTimerOff) {
    const int lamp = PlugKnownLamp(LampKind::TextLamp, 2);
    rig.commands.SetLampColour(kColourGreen);
    EXPECT_THAT(rig.Timeline(),
                ElementsAre("CountDevices", "DeviceDescription(0)", "DeviceSerialNumber(0)",
                            "PollTimer(off)", "OpenBySerialNumber(L1)", "SetBaudRate(115200)",
                            "SetTimeouts(100,100)", "SetDataCharacteristics(8,2,0)",
                            "Write(43 30 30 45 43 30 30 0D 0A)", "Sleep(200ms)", "GetQueueStatus",
                            "Read(20)", "Close", "PollTimer(on)"));
    EXPECT_EQ(rig.Received(lamp), "C00EC00\r\n");
}

TEST_F(LampCommandsTest, TextColoursComeFromTheRgbTableInUpperCaseHex) {
    const int lamp = PlugKnownLamp(LampKind::TextLamp, 2);
    for (ColourCode code = 1; code <= 12; ++code) {
        rig.commands.SetLampColour(code);
    }
    rig.commands.SetLampColour(kColourUninterpretable);
    EXPECT_EQ(rig.Received(lamp),
              "CFF0000\r\nC00EC00\r\nC0000FF\r\nCFFFFFF\r\nCFF5800\r\nC00FFEC\r\n"
              "C7C009E\r\nCFFAF00\r\nCFF5A8C\r\nCFF0086\r\nC000000\r\nC280B35\r\n"
              "C000000\r\n");
}

TEST_F(LampCommandsTest, LampOffInTheTextSetSendsBlack) {
    const int lamp = PlugKnownLamp(LampKind::TextLamp, 2);
    rig.commands.LampOff();
    EXPECT_EQ(rig.Received(lamp), "C000000\r\n");
}

TEST_F(LampCommandsTest, VersionAnswerDecidesTheCommandSet) {
    const struct {
        LampKind kind;
        std::string versionAnswer;
        int protocol;
        std::string received;
    } cases[] = {
        {LampKind::TextLamp, "LG V2.1\r\n", 2, "VER\r\nC00EC00\r\n"},
        {LampKind::TextLamp, "x", 2, "VER\r\nC00EC00\r\n"},
        {LampKind::TextLamp, "\r\n", 1, "VER\r\n\xFF\x42"},
        {LampKind::MuteLamp, "", 1, "VER\r\n\xFF\x42"},
    };
    for (const auto& c : cases) {
        LampRig fresh;
        SimulatedLamp lamp{"Luma-Glanz", "L1", c.kind};
        lamp.versionAnswer = c.versionAnswer;
        const int id = fresh.driver.Plug(lamp);
        fresh.commands.SetLampColour(kColourGreen);
        EXPECT_EQ(fresh.discovery.LampProtocol(), c.protocol) << c.versionAnswer;
        EXPECT_EQ(fresh.Received(id), c.received) << c.versionAnswer;
    }
}

// A version query that could not open the lamp used to settle on the binary set, so a text lamp
// plugged in afterwards stayed dark for the rest of the treatment.
TEST_F(LampCommandsTest, QueryThatCannotOpenTheLampLeavesTheCommandSetOpen) {
    rig.commands.SetLampColour(kColourGreen);
    EXPECT_EQ(rig.discovery.LampProtocol(), 0);
    EXPECT_THAT(rig.driver.CallLog(), ElementsAre("CountDevices", "OpenBySerialNumber -> 2"));

    const int lamp = rig.driver.Plug("Luma-Glanz", "L1", LampKind::TextLamp);
    rig.commands.SetLampColour(kColourBlue);
    EXPECT_EQ(rig.discovery.LampProtocol(), 2);
    EXPECT_EQ(rig.Received(lamp), "VER\r\nC0000FF\r\n");
}

// A failed write or read of the version query looked like a lamp without an answer, so a text lamp
// was driven with binary commands until it was next unplugged.
TEST_F(LampCommandsTest, QueryWhoseWriteOrReadFailsLeavesTheCommandSetOpen) {
    for (const DriverOperation failing : {DriverOperation::Write, DriverOperation::Read}) {
        SCOPED_TRACE(std::string(OperationName(failing)));
        LampRig fresh;
        const int lamp = fresh.driver.Plug("Luma-Glanz", "L1", LampKind::TextLamp);
        fresh.driver.FailCall(failing, FT_IO_ERROR);
        fresh.commands.SetLampColour(kColourGreen);
        EXPECT_EQ(fresh.discovery.LampProtocol(), 0);
        EXPECT_EQ(fresh.driver.OpenHandleCount(), 0);

        fresh.commands.SetLampColour(kColourGreen);
        EXPECT_EQ(fresh.discovery.LampProtocol(), 2);
        EXPECT_THAT(fresh.Received(lamp), EndsWith("VER\r\nC00EC00\r\n"));
    }
}

TEST_F(LampCommandsTest, LampThatCannotBeOpenedGetsNothingAndIsAskedAgainLater) {
    const int lamp = rig.driver.Plug("Luma-Glanz", "L1", LampKind::TextLamp);
    rig.driver.FailCall(DriverOperation::OpenBySerialNumber, FT_DEVICE_NOT_OPENED);
    rig.commands.SetLampColour(kColourGreen);
    EXPECT_EQ(rig.discovery.LampProtocol(), 0);
    EXPECT_THAT(rig.Received(lamp), IsEmpty());

    rig.commands.SetLampColour(kColourGreen);
    EXPECT_EQ(rig.discovery.LampProtocol(), 2);
    EXPECT_EQ(rig.Received(lamp), "VER\r\nC00EC00\r\n");
}

TEST_F(LampCommandsTest, AnswerIsReadOnceUpToTwentyBytesWithoutLineEnds) {
    const int lamp = PlugKnownLamp(LampKind::MuteLamp, 2);
    rig.driver.QueueAnswer(lamp, "AB\r\nCD\nEF\r0123456789XYZ");
    EXPECT_EQ(rig.commands.SendTextCommand("ID"), "ABCDEF0123456789");

    rig.driver.FailCall(DriverOperation::Read, FT_IO_ERROR);
    EXPECT_EQ(rig.commands.SendTextCommand("ID"), "");
    EXPECT_EQ(rig.commands.SendTextCommand("ID"), "XYZ");
}

TEST_F(LampCommandsTest, FailedOpenGivesAnEmptyAnswerAndStillSwitchesThePollTimerBackOn) {
    PlugKnownLamp(LampKind::Unopenable, 2);
    EXPECT_EQ(rig.commands.SendTextCommand("VER"), "");
    EXPECT_THAT(rig.Timeline(),
                ElementsAre("PollTimer(off)", "OpenBySerialNumber(L1) -> 3", "PollTimer(on)"));
}

}  // namespace
}  // namespace farb::testing
