#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LampRig.h"

namespace farb::testing {
namespace {

using ::testing::Contains;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

struct CommandSet {
    const char* name;
    LampKind kind;
    int protocol;
    std::vector<DriverOperation> calls;
    std::string blue;
};

const std::vector<CommandSet> kCommandSets{
    {"binary",
     LampKind::BinaryLamp,
     1,
     {DriverOperation::CountDevices, DriverOperation::DeviceDescription,
      DriverOperation::DeviceSerialNumber, DriverOperation::OpenBySerialNumber,
      DriverOperation::SetBaudRate, DriverOperation::SetDataCharacteristics, DriverOperation::Write,
      DriverOperation::Close},
     "\xFF\x43"},
    {"text",
     LampKind::TextLamp,
     2,
     {DriverOperation::CountDevices, DriverOperation::DeviceDescription,
      DriverOperation::DeviceSerialNumber, DriverOperation::OpenBySerialNumber,
      DriverOperation::SetBaudRate, DriverOperation::SetTimeouts,
      DriverOperation::SetDataCharacteristics, DriverOperation::Write,
      DriverOperation::GetQueueStatus, DriverOperation::Read, DriverOperation::Close},
     "C0000FF\r\n"},
};

const FT_STATUS kStatuses[] = {1, 2, 3, 4, 5, 6, FT_OTHER_ERROR};

// Each call of a colour command fails once: the command must end quietly with the lamp closed,
// and the next command must reach the lamp as if nothing had happened.
TEST(FaultInjectionTest, EveryFailingCallLeavesTheLampClosedAndTheNextCommandWorking) {
    for (const CommandSet& set : kCommandSets) {
        for (const DriverOperation operation : set.calls) {
            for (const FT_STATUS status : kStatuses) {
                SCOPED_TRACE(std::string(set.name) + " " + std::string(OperationName(operation)) +
                             " -> " + std::to_string(status));
                LampRig rig;
                const int lamp = rig.driver.Plug("Luma-Glanz", "L1", set.kind);
                rig.discovery.ScanForLamp();
                rig.discovery.SetLampProtocol(set.protocol);
                rig.ClearRecord();

                rig.driver.FailCall(operation, status);
                rig.commands.SetLampColour(kColourGreen);

                EXPECT_THAT(rig.driver.CallLog(),
                            Contains(HasSubstr(" -> " + std::to_string(status))));
                EXPECT_EQ(rig.driver.OpenHandleCount(), 0);
                EXPECT_THAT(rig.reports, IsEmpty());
                if (operation == DriverOperation::OpenBySerialNumber) {
                    EXPECT_THAT(rig.Received(lamp), IsEmpty());
                    EXPECT_THAT(rig.driver.CallLog(), Not(Contains(HasSubstr("Write"))));
                }

                rig.driver.ClearFailures();
                rig.commands.SetLampColour(kColourBlue);
                EXPECT_THAT(rig.Received(lamp), EndsWith(set.blue));
                EXPECT_EQ(rig.driver.OpenHandleCount(), 0);
            }
        }
    }
}

TEST(FaultInjectionTest, LampPulledOutDuringAnExchangeIsClosedAndFoundAgainWhenBack) {
    LampRig rig;
    SimulatedLamp text{"Luma-Glanz", "L1", LampKind::TextLamp};
    int lamp = rig.driver.Plug(text);
    rig.commands.SetLampColour(kColourGreen);
    rig.driver.SetWriteListener(
        [&](const std::string&, std::span<const std::uint8_t>) { rig.driver.Unplug(lamp); });

    rig.commands.SetLampColour(kColourRed);
    EXPECT_EQ(rig.driver.OpenHandleCount(), 0);

    rig.driver.SetWriteListener({});
    rig.commands.SetLampColour(kColourRed);
    EXPECT_FALSE(rig.discovery.Found());

    lamp = rig.driver.Plug(text);
    rig.commands.SetLampColour(kColourBlue);
    EXPECT_EQ(rig.discovery.LampProtocol(), 2);
    EXPECT_EQ(rig.Received(lamp), "VER\r\nC0000FF\r\n");
}

}  // namespace
}  // namespace farb::testing
