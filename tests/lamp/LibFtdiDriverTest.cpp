#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>

#include "D2XXUnit.h"
#include "LampDiscovery.h"
#include "LampLink.h"
#include "LibFtdiDriver.h"
#include "SysfsUsbStrings.h"

namespace farb::testing {
namespace {

// The kernel's own list, independent of the code under test.
bool FtdiDeviceAttached() {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(kSysfsUsbDevices, error)) {
        std::string vendor;
        std::ifstream(entry.path() / "idVendor") >> vendor;
        if (vendor == "0403") {
            return true;
        }
    }
    return false;
}

class LibFtdiDriverTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (FtdiDeviceAttached()) {
            GTEST_SKIP() << "an FTDI device is attached; these tests need a machine without one";
        }
    }
};

// Runs against the real libftdi1 and libusb of this machine.
TEST_F(LibFtdiDriverTest, MachineWithoutFtdiDevicesHasNothingToListOrOpen) {
    const auto driver = CreateLibFtdiDriver();
    std::uint32_t count = 99;
    EXPECT_EQ(driver->CountDevices(count), FT_OK);
    EXPECT_EQ(count, 0u);
    std::string text = "unchanged";
    EXPECT_EQ(driver->DeviceDescription(0, text), FT_DEVICE_NOT_FOUND);
    EXPECT_EQ(driver->DeviceSerialNumber(0, text), FT_DEVICE_NOT_FOUND);
    EXPECT_EQ(text, "unchanged");
    FT_HANDLE handle = nullptr;
    EXPECT_EQ(driver->OpenBySerialNumber("L1", handle), FT_DEVICE_NOT_FOUND);

    std::uint32_t done = 0;
    std::array<std::uint8_t, 2> bytes{0xFF, 0x42};
    EXPECT_EQ(driver->SetBaudRate(handle, 9600), FT_INVALID_HANDLE);
    EXPECT_EQ(driver->Write(handle, bytes.data(), 2, done), FT_INVALID_HANDLE);
    EXPECT_EQ(driver->Read(handle, bytes.data(), 2, done), FT_INVALID_HANDLE);
    EXPECT_EQ(driver->Close(handle), FT_INVALID_HANDLE);
}

TEST_F(LibFtdiDriverTest, DiscoveryShowsNoConnectionAndColourCommandsAreDropped) {
    const auto driver = CreateLibFtdiDriver();
    std::vector<std::string> reports;
    LampLink lamp(*driver,
                  {.onDriverError = [&](const std::string& text) { reports.push_back(text); }});
    EXPECT_EQ(lamp.link.Open_USB_Device_By_Serial_Number("L1"), FT_DEVICE_NOT_FOUND);
    EXPECT_EQ(reports.size(), 1u);

    lamp.commands.SetLampColour(kColourGreen);
    EXPECT_FALSE(lamp.discovery.Found());
    EXPECT_EQ(lamp.discovery.LampProtocol(), 0);
    EXPECT_EQ(lamp.link.Handle(), nullptr);
    EXPECT_EQ(reports.size(), 1u);
}

TEST(SysfsUsbStringsTest, StringsAreReadFromTheKernelsDeviceFolderWithoutTheLineEnd) {
    const auto root =
        std::filesystem::temp_directory_path() /
        ("farb-sysfs-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(root / "3-1.4.2");
    std::ofstream(root / "3-1.4.2" / "product") << "Luma-Glanz\n";

    const std::array<std::uint8_t, 3> ports{1, 4, 2};
    EXPECT_EQ(SysfsUsbDeviceName(3, std::span(ports).first(1)), "3-1");
    EXPECT_EQ(ReadSysfsUsbString(root, 3, ports, "product"), "Luma-Glanz");
    EXPECT_EQ(ReadSysfsUsbString(root, 3, ports, "serial"), std::nullopt);
    EXPECT_EQ(ReadSysfsUsbString(root, 2, ports, "product"), std::nullopt);
    std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace farb::testing
