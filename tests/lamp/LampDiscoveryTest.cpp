#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "LampRig.h"

namespace farb::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class LampDiscoveryTest : public ::testing::Test {
  protected:
    LampRig rig;
};

TEST_F(LampDiscoveryTest, NoDevicesMeansNoConnectionAndForgetsTheProtocolButNotTheSerial) {
    const int lamp = rig.driver.Plug("Luma-Glanz", "L1");
    EXPECT_FALSE(rig.discovery.Scanned());
    rig.discovery.ScanForLamp();
    rig.discovery.SetLampProtocol(2);

    rig.driver.Unplug(lamp);
    rig.discovery.ScanForLamp();

    EXPECT_FALSE(rig.discovery.Found());
    EXPECT_EQ(rig.discovery.LampProtocol(), 0);
    EXPECT_EQ(rig.discovery.LampSerial(), "L1");
    EXPECT_THAT(rig.scans,
                ElementsAre(LampScan{.found = true, .protocol = kProtocolUndetermined},
                            LampScan{.found = false, .protocol = kProtocolUndetermined}));
}

TEST_F(LampDiscoveryTest, LumaGlanzShowsItemOneUntilItsProtocolIsKnownThenItemThree) {
    rig.driver.Plug("Luma-Glanz", "L1");
    rig.discovery.ScanForLamp();
    EXPECT_TRUE(rig.discovery.Found());
    EXPECT_EQ(rig.discovery.LampSerial(), "L1");
    EXPECT_EQ(rig.discovery.LampProtocol(), 0);

    rig.discovery.SetLampProtocol(2);
    rig.discovery.ScanForLamp();
    EXPECT_EQ(rig.scans.back(), (LampScan{.found = true, .protocol = kProtocolText}));
}

TEST_F(LampDiscoveryTest, KzDescriptionsNeedTwentyTwoCharactersKzAndVAtTheThirteenth) {
    const std::string accepted = "KZ-0123-456-V-78901234";
    ASSERT_EQ(accepted.size(), 22u);
    ASSERT_EQ(accepted[12], 'V');
    const struct {
        std::string description;
        bool lamp;
    } cases[] = {
        {accepted, true},
        {"KZ-0123-456-W-78901234", false},  // another letter in the 13th place
        {"KZ-0123-456-V-7890123", false},   // one character short
        {"KZ-0123-456-V-789012345", false},
        {"kz-0123-456-V-78901234", false},
        {"Luma-Glanz", true},
        {"luma-glanz", false},
        {"Luma-Glanz ", false},
    };
    for (const auto& c : cases) {
        LampRig fresh;
        fresh.driver.Plug(c.description, "S1");
        fresh.discovery.ScanForLamp();
        EXPECT_EQ(fresh.discovery.Found(), c.lamp) << c.description;
    }
}

TEST_F(LampDiscoveryTest, PlainCableIsTakenOnlyWithoutALampAndSpeaksBinary) {
    rig.driver.Plug("TTL232R", "T1");
    rig.discovery.SetLampProtocol(2);
    rig.discovery.ScanForLamp();
    EXPECT_EQ(rig.discovery.LampSerial(), "T1");
    EXPECT_EQ(rig.discovery.LampProtocol(), 1);
    EXPECT_EQ(rig.scans.back(), (LampScan{.found = true, .protocol = kProtocolBinary}));

    LampRig both;
    both.driver.Plug("TTL232R", "T1");
    both.driver.Plug("Luma-Glanz", "L1");
    both.discovery.ScanForLamp();
    EXPECT_EQ(both.discovery.LampSerial(), "L1");
    EXPECT_EQ(both.discovery.LampProtocol(), 0);
    EXPECT_THAT(both.driver.CallLog(),
                ElementsAre("CountDevices", "DeviceDescription(0)", "DeviceDescription(1)",
                            "DeviceSerialNumber(1)"));
}

TEST_F(LampDiscoveryTest, LastQualifyingDeviceWins) {
    rig.driver.Plug("Luma-Glanz", "L1");
    rig.driver.Plug("Something", "X1");
    rig.driver.Plug("Luma-Glanz", "L2");
    rig.discovery.ScanForLamp();
    EXPECT_EQ(rig.discovery.LampSerial(), "L2");

    LampRig cables;
    cables.driver.Plug("TTL232R", "T1");
    cables.driver.Plug("TTL232R", "T2");
    cables.discovery.ScanForLamp();
    EXPECT_EQ(cables.discovery.LampSerial(), "T2");
}

TEST_F(LampDiscoveryTest, FailedSerialQueryLeavesTheDescriptionAsSerial) {
    rig.driver.Plug("Luma-Glanz", "L1");
    rig.driver.FailCall(DriverOperation::DeviceSerialNumber, FT_IO_ERROR);
    rig.discovery.ScanForLamp();
    EXPECT_TRUE(rig.discovery.Found());
    EXPECT_EQ(rig.discovery.LampSerial(), "Luma-Glanz");
}

// The second device's description cannot be read, so it is judged by the string the failed
// serial query of the first one left behind.
TEST_F(LampDiscoveryTest, FailedDescriptionQueryComparesTheStringLeftBefore) {
    rig.driver.Plug("Luma-Glanz", "L1");
    rig.driver.Plug("Something", "X2");
    rig.driver.FailCall(DriverOperation::DeviceSerialNumber, FT_IO_ERROR);
    rig.driver.FailCall(DriverOperation::DeviceDescription, FT_IO_ERROR, 1, 1);
    rig.discovery.ScanForLamp();
    EXPECT_EQ(rig.discovery.LampSerial(), "X2");
}

TEST_F(LampDiscoveryTest, FailedCountBeforeAnySuccessfulOneFindsNothing) {
    rig.driver.Plug("Luma-Glanz", "L1");
    rig.driver.FailCall(DriverOperation::CountDevices, FT_IO_ERROR);
    rig.discovery.ScanForLamp();
    EXPECT_FALSE(rig.discovery.Found());

    rig.discovery.ScanForLamp();
    rig.driver.FailCall(DriverOperation::CountDevices, FT_IO_ERROR);
    rig.discovery.ScanForLamp();
    EXPECT_TRUE(rig.discovery.Found());
}

TEST_F(LampDiscoveryTest, ScanSwitchesDriverReportsOffForGood) {
    rig.driver.FailCall(DriverOperation::CountDevices, FT_IO_ERROR);
    rig.discovery.ScanForLamp();
    rig.link.Open_USB_Device_By_Serial_Number("L1");
    EXPECT_FALSE(rig.link.ErrorReportEnabled());
    EXPECT_THAT(rig.reports, IsEmpty());
}

// A back end that fails with an exception in the middle of a scan.
class ThrowingDriver : public SimulatedDriver {
  public:
    FT_STATUS DeviceDescription(std::uint32_t index, std::string& out) override {
        if (index == 1) {
            throw std::runtime_error("device vanished");
        }
        return SimulatedDriver::DeviceDescription(index, out);
    }
};

TEST_F(LampDiscoveryTest, ExceptionEndsThePassesAndKeepsWhatWasFound) {
    ThrowingDriver driver;
    driver.Plug("Luma-Glanz", "L1");
    driver.Plug("Luma-Glanz", "L2");
    LampScan reported;
    LampLink lamp(driver, {.onScan = [&](const LampScan& scan) { reported = scan; }});

    EXPECT_NO_THROW(lamp.discovery.ScanForLamp());
    EXPECT_EQ(lamp.discovery.LampSerial(), "L1");
    EXPECT_EQ(reported, (LampScan{.found = true, .protocol = kProtocolUndetermined}));
}

}  // namespace
}  // namespace farb::testing
