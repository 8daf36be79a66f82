#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LampLink.h"
#include "NoDriver.h"

namespace farb::testing {
namespace {

// Without a driver library the program polls and treats as usual; the lamp simply never appears.
// The 200 ms answer wait follows only an open that succeeded, so no sleep means no lamp was opened.
TEST(NoDriverTest, DiscoveryShowsNoConnectionAndNoColourOpensALampOrReports) {
    NoDriver driver;
    std::vector<std::string> reports;
    std::vector<LampScan> scans;
    int sleeps = 0;
    LampLink link(driver,
                  {.onDriverError = [&](const std::string& text) { reports.push_back(text); },
                   .onScan = [&](const LampScan& scan) { scans.push_back(scan); },
                   .sleep = [&](std::chrono::milliseconds) { ++sleeps; }});

    link.link.GetFTDeviceCount();
    link.discovery.ScanForLamp();
    link.commands.SetLampColour(kColourGreen);
    link.commands.LampOff();

    EXPECT_EQ(scans, std::vector<LampScan>(3, LampScan{.found = false}));
    EXPECT_EQ(reports, std::vector<std::string>{});
    EXPECT_EQ(sleeps, 0);
    EXPECT_EQ(link.discovery.LampProtocol(), kProtocolUndetermined);
    EXPECT_EQ(link.link.Handle(), nullptr);
}

}  // namespace
}  // namespace farb::testing
