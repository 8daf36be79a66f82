#include "VirtualLamp.h"

#include <gtest/gtest.h>

#include <string>

#include "LampLink.h"
#include "VirtualLampReadout.h"

namespace farb {
namespace {

// The virtual lamp on the program's own lamp link, as the demo wires it; the answer wait is not
// waited for.
class VirtualLampTest : public ::testing::Test {
  protected:
    SimulatedDriver driver;
    VirtualLamp lamp{driver};
    LampLink link{driver, {}};
    LampDiscovery& discovery = link.discovery;
    LampCommands& commands = link.commands;
    int changes = 0;

    void SetUp() override {
        lamp.SetChangeListener([this] { ++changes; });
    }

    std::string LastCommand() const {
        return std::string(lamp.LastCommand().begin(), lamp.LastCommand().end());
    }
};

TEST_F(VirtualLampTest, AnsweringTextLampShowsTheColourItWasTold) {
    lamp.Plug(VirtualLampKind::AnsweringTextLamp);
    commands.SetLampColour(kColourGreen);

    ASSERT_TRUE(lamp.ShownColour().has_value());
    EXPECT_EQ(lamp.ShownColour()->code, kColourGreen);
    EXPECT_EQ(lamp.ShownColour()->colour, (RgbColour{0x00, 0xEC, 0x00}));
    EXPECT_EQ(lamp.CommandCount(), 2);  // the version query, then the colour
    EXPECT_EQ(LastCommand(), "C00EC00\r\n");
    EXPECT_TRUE(lamp.LastCommandUnderstood());
    EXPECT_EQ(changes, 3);  // plugged, two commands

    commands.LampOff();
    EXPECT_EQ(lamp.ShownColour()->code, kColourOff);
    EXPECT_EQ(lamp.CommandCount(), 3);
}

// The cable's description alone marks the binary command set: no version query reaches it.
TEST_F(VirtualLampTest, BinaryLampIsToldItsColourInTwoBytes) {
    lamp.Plug(VirtualLampKind::BinaryLamp);
    commands.SetLampColour(kColourRed);

    EXPECT_EQ(lamp.CommandCount(), 1);
    EXPECT_EQ(LastCommand(), "\xFF\x41");
    ASSERT_TRUE(lamp.ShownColour().has_value());
    EXPECT_EQ(lamp.ShownColour()->code, kColourRed);
}

// A text lamp that misses the version query is taken for a binary one and cannot follow.
TEST_F(VirtualLampTest, SilentTextLampGetsBinaryCommandsItDoesNotUnderstand) {
    lamp.Plug(VirtualLampKind::SilentTextLamp);
    commands.SetLampColour(kColourGreen);

    EXPECT_EQ(lamp.CommandCount(), 2);
    EXPECT_EQ(LastCommand(), "\xFF\x42");
    EXPECT_FALSE(lamp.LastCommandUnderstood());
    EXPECT_FALSE(lamp.ShownColour().has_value());
}

TEST_F(VirtualLampTest, UnpluggedLampIsNotFoundAndReceivesNothing) {
    lamp.Plug(VirtualLampKind::AnsweringTextLamp);
    commands.SetLampColour(kColourBlue);
    lamp.Unplug();
    EXPECT_FALSE(lamp.Plugged());
    EXPECT_FALSE(lamp.ShownColour().has_value());

    commands.SetLampColour(kColourRed);
    EXPECT_FALSE(discovery.Found());
    EXPECT_EQ(lamp.CommandCount(), 2);
}

TEST_F(VirtualLampTest, PluggingAnotherKindStartsAfreshAndIsFoundByItsDescription) {
    lamp.Plug(VirtualLampKind::AnsweringTextLamp);
    commands.SetLampColour(kColourBlue);
    lamp.Unplug();
    discovery.ScanForLamp();

    lamp.Plug(VirtualLampKind::BinaryLamp);
    EXPECT_EQ(lamp.CommandCount(), 0);
    EXPECT_TRUE(lamp.LastCommand().empty());
    EXPECT_FALSE(lamp.ShownColour().has_value());

    commands.SetLampColour(kColourYellow);
    EXPECT_EQ(discovery.LampSerial(), lamp.SerialNumber());
    EXPECT_EQ(lamp.Description(), "TTL232R");
    EXPECT_EQ(lamp.ShownColour()->code, kColourYellow);
}

// What any front end's lamp window shows, from unplugged through a colour to a command the
// lamp did not understand.
TEST_F(VirtualLampTest, ReadoutFollowsTheLamp) {
    VirtualLampReadout readout = ReadOut(lamp);
    EXPECT_EQ(readout.colourName, "nicht eingesteckt");
    EXPECT_EQ(readout.field, (RgbColour{128, 128, 128}));
    EXPECT_TRUE(readout.plugEnabled && readout.kindChoosable && !readout.unplugEnabled);

    lamp.Plug(VirtualLampKind::AnsweringTextLamp);
    commands.SetLampColour(kColourGreen);
    readout = ReadOut(lamp);
    EXPECT_EQ(readout.field, (RgbColour{0x00, 0xEC, 0x00}));
    EXPECT_EQ(readout.colourName, "gr\xFCn");
    const auto rows = readout.Rows();
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].text, "43 30 30 45 43 30 30 0D 0A");
    EXPECT_EQ(rows[1].text, "C00EC00<CR><LF>");
    EXPECT_EQ(rows[2].text, "2");
    EXPECT_EQ(rows[3].text, "Luma-Glanz eingesteckt");
    EXPECT_TRUE(!readout.plugEnabled && !readout.kindChoosable && readout.unplugEnabled);

    lamp.Unplug();
    discovery.ScanForLamp();
    lamp.Plug(LampKindChoices()[2].kind);
    commands.SetLampColour(kColourGreen);
    EXPECT_EQ(ReadOut(lamp).textCommand, "<FF>B (nicht verstanden)");
    EXPECT_EQ(ReadOut(lamp).colourName, "noch keine Farbe");
}

}  // namespace
}  // namespace farb
