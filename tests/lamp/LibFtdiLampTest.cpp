#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/lamp/usb/UsbLampRig.h"

namespace farb::testing {
namespace {

using ::testing::ElementsAre;

TEST(LibFtdiLampTest, Smoke) {
    UsbLampRig rig;
    const int lamp = rig.bus.Plug(LampKind::Binary, {"TTL232R", "FT1"});
    rig.discovery.SetLampProtocol(1);
    rig.commands.SetLampColour(kColourGreen);
    for (auto& r : rig.bus.Lamp(lamp).Requests()) printf("%s\n", r.c_str());
    for (auto& r : rig.reports) printf("report %s\n", r.c_str());
    for (auto& w : rig.bus.Lamp(lamp).Wire()) printf("%s: %zu bytes\n", w.line.c_str(), w.bytes.size());
}

}  // namespace
}  // namespace farb::testing
