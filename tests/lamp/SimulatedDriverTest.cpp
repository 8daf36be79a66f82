#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "SimulatedDriver.h"

namespace farb::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(SimulatedDriverTest, DevicesAreListedInPlugOrderAndCloseUpOnUnplug) {
    SimulatedDriver driver;
    const int first = driver.Plug("A", "1");
    driver.Plug("B", "2");
    driver.Plug("C", "3");
    driver.Unplug(first);
    std::uint32_t count = 0;
    std::string description;
    ASSERT_EQ(driver.CountDevices(count), FT_OK);
    EXPECT_EQ(count, 2u);
    ASSERT_EQ(driver.DeviceDescription(0, description), FT_OK);
    EXPECT_EQ(description, "B");
    EXPECT_EQ(driver.DeviceDescription(2, description), FT_DEVICE_NOT_FOUND);
    FT_HANDLE handle = nullptr;
    EXPECT_EQ(driver.OpenBySerialNumber("1", handle), FT_DEVICE_NOT_FOUND);
}

TEST(SimulatedDriverTest, LampOpensOnceAndAnUnpluggedOneFailsUntilClosed) {
    SimulatedDriver driver;
    const int lamp = driver.Plug("A", "1", LampKind::BinaryLamp);
    FT_HANDLE handle = nullptr;
    FT_HANDLE second = nullptr;
    ASSERT_EQ(driver.OpenBySerialNumber("1", handle), FT_OK);
    EXPECT_EQ(driver.OpenBySerialNumber("1", second), FT_DEVICE_NOT_OPENED);
    EXPECT_EQ(driver.OpenHandleCount(), 1);

    driver.Unplug(lamp);
    std::uint32_t written = 0;
    const std::uint8_t byte = 0x41;
    EXPECT_EQ(driver.Write(handle, &byte, 1, written), FT_IO_ERROR);
    EXPECT_EQ(driver.Close(handle), FT_OK);
    EXPECT_EQ(driver.Close(handle), FT_INVALID_HANDLE);
    EXPECT_EQ(driver.OpenHandleCount(), 0);
}

TEST(SimulatedDriverTest, TextLampAnswersWholeLinesAndReadsHonourTheCount) {
    SimulatedDriver driver;
    std::string heard;
    driver.SetWriteListener([&](const std::string& serial, std::span<const std::uint8_t> bytes) {
        heard += serial + ":" + std::string(bytes.begin(), bytes.end());
    });
    driver.Plug("A", "1", LampKind::TextLamp);
    FT_HANDLE handle = nullptr;
    ASSERT_EQ(driver.OpenBySerialNumber("1", handle), FT_OK);
    std::uint32_t done = 0;
    const std::string part1 = "VE";
    const std::string part2 = "R\r\nC00EC00\r\n";
    driver.Write(handle, reinterpret_cast<const std::uint8_t*>(part1.data()), 2, done);
    driver.Write(handle, reinterpret_cast<const std::uint8_t*>(part2.data()), 12, done);
    EXPECT_EQ(heard, "1:VE1:R\r\nC00EC00\r\n");

    std::uint32_t queued = 0;
    driver.GetQueueStatus(handle, queued);
    EXPECT_EQ(queued, 13u);
    std::uint8_t buffer[20] = {};
    ASSERT_EQ(driver.Read(handle, buffer, 9, done), FT_OK);
    EXPECT_EQ(std::string(buffer, buffer + done), "LG V2.1\r\n");
    ASSERT_EQ(driver.Read(handle, buffer, 20, done), FT_OK);
    EXPECT_EQ(std::string(buffer, buffer + done), "OK\r\n");
}

TEST(SimulatedDriverTest, FailuresCountDownAndRecordingCanBeSwitchedOff) {
    SimulatedDriver driver;
    std::uint32_t count = 0;
    driver.FailCall(DriverOperation::CountDevices, FT_IO_ERROR, 2, 1);
    driver.CountDevices(count);
    driver.CountDevices(count);
    driver.CountDevices(count);
    driver.CountDevices(count);
    EXPECT_THAT(driver.CallLog(), ElementsAre("CountDevices", "CountDevices -> 4",
                                              "CountDevices -> 4", "CountDevices"));
    driver.SetRecording(false);
    driver.ClearRecord();
    driver.CountDevices(count);
    EXPECT_THAT(driver.Calls(), IsEmpty());
}

}  // namespace
}  // namespace farb::testing
