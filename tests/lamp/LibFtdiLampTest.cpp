#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "CommandsLamp.h"
#include "LampProtocol.h"
#include "LampWireFormat.h"
#include "TherapyCatalogue.h"
#include "TreatmentControl.h"
#include "treatment/TreatmentFakes.h"
#include "usb/UsbLampRig.h"

namespace farb::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Bytes TextLine(const std::string& command) {
    return BytesOf(command + std::string(kLineEnd));
}

Bytes Joined(Bytes first, const Bytes& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// The FT232R's nearest rate to 115200: 3 MHz / 26.
constexpr const char* kTextLine = "115385 8N2";
const std::vector<std::string> kTextExchangeRequests{"reset", "baud 9600", "baud 115385",
                                                     "data 8N2"};

// Root opens any file; without these capabilities the device node's mode holds for it too.
class WithoutFileAccessOverride {
  public:
    WithoutFileAccessOverride() {
        syscall(SYS_capget, &header_, saved_);
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &header_, reduced);
    }
    ~WithoutFileAccessOverride() { syscall(SYS_capset, &header_, saved_); }

  private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
};

TEST(LibFtdiLampTest, BinaryLampGetsItsTwoBytesAt9600Baud8N2InThreeControlTransfers) {
    UsbLampRig rig;
    const int cable = rig.bus.Plug(LampKind::Binary, {"TTL232R", "FT4XK2"});
    rig.commands.SetLampColour(kColourGreen);

    const Ft232rLamp& lamp = rig.bus.Lamp(cable);
    EXPECT_EQ(rig.discovery.LampProtocol(), kProtocolBinary);
    EXPECT_THAT(lamp.Requests(), ElementsAre("reset", "baud 9600", "data 8N2"));
    EXPECT_THAT(lamp.Wire(), ElementsAre(WireSegment{"9600 8N2", {0xFF, 0x42}}));
    EXPECT_EQ(lamp.Heard(), (Bytes{0xFF, 0x42}));
    EXPECT_EQ(rig.bus.OpenDescriptors(cable), 0);
    EXPECT_FALSE(rig.bus.InterfaceClaimed(cable));
    EXPECT_EQ(rig.link.LastOpenFailure(), OpenFailure::None);
    EXPECT_THAT(rig.reports, IsEmpty());
}

// The first colour asks for the version; the answer, read back whole after the 200 ms wait,
// makes it a text lamp, and the colour follows in the same line setting.
TEST(LibFtdiLampTest, TextLampAnswersTheVersionQueryAndGetsItsColourAt115200Baud8N2) {
    UsbLampRig rig;
    const int id = rig.bus.Plug(LampKind::Text, {"Luma-Glanz", "LG0042"});
    rig.commands.SetLampColour(kColourGreen);

    const Ft232rLamp& lamp = rig.bus.Lamp(id);
    EXPECT_EQ(rig.discovery.LampProtocol(), kProtocolText);
    std::vector<std::string> twoExchanges = kTextExchangeRequests;
    twoExchanges.insert(twoExchanges.end(), kTextExchangeRequests.begin(),
                        kTextExchangeRequests.end());
    EXPECT_EQ(lamp.Requests(), twoExchanges);
    const Bytes both = Joined(TextLine("VER"), TextLine(TextColourCommand(kColourGreen)));
    EXPECT_THAT(lamp.Wire(), ElementsAre(WireSegment{kTextLine, both}));
    EXPECT_EQ(lamp.Heard(), both);

    rig.bus.Lamp(id).ClearRecord();
    EXPECT_EQ(rig.commands.SendTextCommand("VER"), "LG-V2.07");
    EXPECT_EQ(lamp.Requests(), kTextExchangeRequests);
    EXPECT_EQ(rig.bus.OpenDescriptors(id), 0);
    EXPECT_THAT(rig.reports, IsEmpty());
}

struct ProbeCase {
    LampKind kind;
    int protocol;
    std::vector<WireSegment> wire;
};

class VersionProbeTest : public ::testing::TestWithParam<ProbeCase> {};

// No answer and a bare line end both mean a binary lamp; a mute text lamp then gets binary
// bytes it does not understand, which is what the README's troubleshooting describes.
TEST_P(VersionProbeTest, AnswerDecidesTheCommandSetWithinTheReadTimeout) {
    UsbLampRig rig;
    const int id = rig.bus.Plug(GetParam().kind, {"Luma-Glanz", "LG0042"});
    const auto before = rig.bus.clock.Now();
    rig.commands.SetLampColour(kColourGreen);
    const auto spent = rig.bus.clock.Now() - before;

    EXPECT_EQ(rig.discovery.LampProtocol(), GetParam().protocol);
    EXPECT_EQ(rig.bus.Lamp(id).Wire(), GetParam().wire);
    // 200 ms answer wait, the queue query and a read that gives up after its 100 ms: the
    // read timeout holds, not libftdi1's 5 s. A latency timer period may round each part up.
    if (GetParam().kind == LampKind::Mute) {
        EXPECT_GE(spent, std::chrono::milliseconds(300));
        EXPECT_LE(spent, std::chrono::milliseconds(300 + 3 * 16));
    }
    EXPECT_EQ(rig.bus.OpenDescriptors(id), 0);
    EXPECT_THAT(rig.reports, IsEmpty());
}

const std::vector<WireSegment> kQueryThenBinary{{kTextLine, TextLine("VER")},
                                                {"9600 8N2", {0xFF, 0x42}}};

INSTANTIATE_TEST_SUITE_P(
    Answers, VersionProbeTest,
    ::testing::Values(ProbeCase{LampKind::Text,
                                kProtocolText,
                                {{kTextLine, Joined(TextLine("VER"),
                                                    TextLine(TextColourCommand(kColourGreen)))}}},
                      ProbeCase{LampKind::Mute, kProtocolBinary, kQueryThenBinary},
                      ProbeCase{LampKind::LineEnd, kProtocolBinary, kQueryThenBinary}));

constexpr CatalogueLine kLines[] = {
    "Pr\xFC"
    "fung\t\t",
    "Wechsel\tgr\xFCn\t1\tgelb\t1\tblau\t1",
};

// Ticks of a running treatment, with the lamp pulled out and plugged back in between two of
// them.
TEST(LibFtdiLampTest, TreatmentGoesOnAfterTheLampIsPulledOutAndPluggedBackIn) {
    UsbLampRig rig;
    FakeView view;
    FakeTimer timer;
    CommandsLamp lamp(rig.commands);
    TreatmentControl control(TherapyCatalogue(kLines), view, timer, lamp);
    const int id = rig.bus.Plug(LampKind::Text, {"Luma-Glanz", "LG0042"});
    const Bytes green = TextLine(TextColourCommand(kColourGreen));

    control.SelectCategory(0);
    control.SelectProgram(0);
    control.StartTreatment();
    rig.bus.Lamp(id).ClearRecord();
    control.Tick();
    control.Tick();
    EXPECT_EQ(rig.bus.Lamp(id).Heard(), Joined(green, green));

    rig.bus.Unplug(id);
    rig.bus.Lamp(id).ClearRecord();
    control.Tick();
    EXPECT_THAT(rig.bus.Lamp(id).Requests(), IsEmpty());
    EXPECT_THAT(rig.bus.Lamp(id).Wire(), IsEmpty());
    EXPECT_FALSE(rig.discovery.Found());
    EXPECT_EQ(rig.bus.OpenDescriptors(id), 0);

    rig.bus.Replug(id);
    control.Tick();
    EXPECT_EQ(rig.bus.Lamp(id).Heard(), Joined(TextLine("VER"), green));
    EXPECT_EQ(rig.bus.OpenDescriptors(id), 0);
    EXPECT_FALSE(rig.bus.InterfaceClaimed(id));
    EXPECT_THAT(rig.reports, IsEmpty());
}

// The strings come from sysfs, so the lamp is found and shown as "USB"; the open fails, and the
// link tells why until an open succeeds.
TEST(LibFtdiLampTest, LampThatCannotBeOpenedGetsNothingAndTheLinkNamesTheCause) {
    UsbLampRig rig;
    const int denied = rig.bus.Plug(LampKind::Binary, {"TTL232R", "FT4XK2"});
    rig.bus.DenyAccess(denied);
    {
        WithoutFileAccessOverride asUser;
        rig.commands.SetLampColour(kColourGreen);
    }
    EXPECT_TRUE(rig.discovery.Found());
    EXPECT_EQ(rig.link.LastOpenFailure(), OpenFailure::NoPermission);
    EXPECT_THAT(rig.bus.Lamp(denied).Requests(), IsEmpty());
    EXPECT_THAT(rig.bus.Lamp(denied).Wire(), IsEmpty());
    EXPECT_EQ(rig.bus.OpenDescriptors(denied), 0);
    EXPECT_EQ(rig.link.Handle(), nullptr);

    rig.bus.Unplug(denied);
    const int held = rig.bus.Plug(LampKind::Binary, {"TTL232R", "FT77QA"});
    rig.bus.HoldInterface(held);
    rig.commands.SetLampColour(kColourGreen);
    EXPECT_EQ(rig.link.LastOpenFailure(), OpenFailure::InUse);
    EXPECT_THAT(rig.bus.Lamp(held).Wire(), IsEmpty());
    EXPECT_EQ(rig.bus.OpenDescriptors(held), 0);

    rig.bus.Unplug(held);
    const int free = rig.bus.Plug(LampKind::Binary, {"TTL232R", "FT0001"});
    rig.commands.SetLampColour(kColourGreen);
    EXPECT_EQ(rig.bus.Lamp(free).Heard(), (Bytes{0xFF, 0x42}));
    EXPECT_EQ(rig.link.LastOpenFailure(), OpenFailure::None);
}

// What the strings of the devices make of a scan and a colour.
TEST(LibFtdiLampTest, DeviceStringsThatNameTheLampBadly) {
    {
        // The link keeps 49 characters of a serial number.
        UsbLampRig rig;
        const int id = rig.bus.Plug(LampKind::Binary, {"TTL232R", std::string(60, 'S')});
        rig.commands.SetLampColour(kColourGreen);
        EXPECT_EQ(rig.bus.Lamp(id).Heard(), (Bytes{0xFF, 0x42}));
    }
    {
        // Without a serial string the lamp cannot be named, so it is left alone.
        UsbLampRig rig;
        const int id = rig.bus.Plug(LampKind::Binary, {"TTL232R", std::nullopt});
        rig.commands.SetLampColour(kColourGreen);
        EXPECT_THAT(rig.bus.Lamp(id).Wire(), IsEmpty());
        EXPECT_EQ(rig.bus.OpenDescriptors(id), 0);
        EXPECT_EQ(rig.link.Handle(), nullptr);
    }
    {
        // Two lamps with one serial number: one gets the whole colour, the other nothing.
        UsbLampRig rig;
        const int first = rig.bus.Plug(LampKind::Binary, {"TTL232R", "A50285BI"});
        const int second = rig.bus.Plug(LampKind::Binary, {"TTL232R", "A50285BI"});
        rig.commands.SetLampColour(kColourGreen);
        rig.commands.SetLampColour(kColourYellow);
        const Bytes both{0xFF, 0x42, 0xFF, 0x48};
        EXPECT_TRUE(rig.bus.Lamp(first).Heard().empty() != rig.bus.Lamp(second).Heard().empty());
        EXPECT_EQ(rig.bus.Lamp(first).Heard().empty() ? rig.bus.Lamp(second).Heard()
                                                      : rig.bus.Lamp(first).Heard(),
                  both);
        EXPECT_EQ(rig.bus.OpenDescriptors(first) + rig.bus.OpenDescriptors(second), 0);
    }
}

// The lamp drops off the bus once it has the version query: the read fails, the colour is
// dropped, the handle closes, and the command set stays open for the next lamp.
TEST(LibFtdiLampTest, LampPulledOutInTheMiddleOfTheExchange) {
    UsbLampRig rig;
    const int id = rig.bus.Plug(LampKind::Text, {"Luma-Glanz", "LG0042"});
    rig.bus.DropOffAfterHeard(id, TextLine("VER").size());
    rig.commands.SetLampColour(kColourGreen);

    EXPECT_EQ(rig.bus.Lamp(id).Heard(), TextLine("VER"));
    EXPECT_EQ(rig.discovery.LampProtocol(), kProtocolUndetermined);
    EXPECT_EQ(rig.link.Handle(), nullptr);
    EXPECT_EQ(rig.bus.OpenDescriptors(id), 0);

    rig.bus.Unplug(id);
    rig.commands.SetLampColour(kColourGreen);
    EXPECT_FALSE(rig.discovery.Found());
    EXPECT_EQ(rig.bus.Lamp(id).Heard(), TextLine("VER"));
}

}  // namespace
}  // namespace farb::testing
