#include <dlfcn.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "D2XXUnit.h"
#include "LampCommands.h"
#include "LampDiscovery.h"
#include "SystemDriver.h"

namespace farb::testing {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

// The script and the log of the fake library, reached through its own handle; the loader hands
// out the one copy the driver under test has loaded as well.
class FakeD2xx {
  public:
    FakeD2xx() : library_(dlopen(FAKE_D2XX_PATH, RTLD_NOW | RTLD_LOCAL)) {
        if (!library_) {
            ADD_FAILURE() << dlerror();
            return;
        }
        reset_ = reinterpret_cast<void (*)()>(dlsym(library_, "FakeD2xx_Reset"));
        addDevice_ = reinterpret_cast<void (*)(const char*, const char*, const char*)>(
            dlsym(library_, "FakeD2xx_AddDevice"));
        log_ = reinterpret_cast<const char* (*)()>(dlsym(library_, "FakeD2xx_Log"));
        reset_();
    }
    ~FakeD2xx() {
        if (library_) {
            dlclose(library_);
        }
    }

    void AddDevice(const std::string& description, const std::string& serial,
                   const std::string& versionAnswer = "") {
        addDevice_(description.c_str(), serial.c_str(), versionAnswer.c_str());
    }
    std::vector<std::string> Log() const { return Lines(log_()); }

  private:
    void* library_;
    void (*reset_)() = nullptr;
    void (*addDevice_)(const char*, const char*, const char*) = nullptr;
    const char* (*log_)() = nullptr;
};

TEST(D2xxLibraryTest, ColourCommandReachesTheLibraryWithTheDocumentedArguments) {
    FakeD2xx fake;
    fake.AddDevice("Other", "X0");
    fake.AddDevice("Luma-Glanz", "FAKE0001", "LG V2.1\r\n");
    const auto driver = LoadD2xxLibrary(FAKE_D2XX_PATH);
    ASSERT_NE(driver, nullptr);
    DriverLink link(*driver, {});
    LampDiscovery discovery(link, {});
    LampCommands commands(link, discovery, {}, {});

    commands.SetLampColour(kColourGreen);

    EXPECT_EQ(discovery.LampProtocol(), 2);
    EXPECT_THAT(
        fake.Log(),
        ElementsAre("FT_ListDevices(0x80000000)", "FT_ListDevices(0,0x40000002)",
                    "FT_ListDevices(1,0x40000002)", "FT_ListDevices(1,0x40000001)",
                    "FT_OpenEx(FAKE0001,1)", "FT_SetBaudRate(115200)", "FT_SetTimeouts(100,100)",
                    "FT_SetDataCharacteristics(8,2,0)", "FT_Write(56 45 52 0D 0A)",
                    "FT_GetQueueStatus", "FT_Read(20)", "FT_Close", "FT_OpenEx(FAKE0001,1)",
                    "FT_SetBaudRate(115200)", "FT_SetTimeouts(100,100)",
                    "FT_SetDataCharacteristics(8,2,0)", "FT_Write(43 30 30 45 43 30 30 0D 0A)",
                    "FT_GetQueueStatus", "FT_Read(20)", "FT_Close"));
}

TEST(D2xxLibraryTest, LongestDescriptionFitsTheBufferAndFortyNineCharactersAreKept) {
    FakeD2xx fake;
    const std::string longest(64, 'D');
    fake.AddDevice(longest, "S1");
    const auto driver = LoadD2xxLibrary(FAKE_D2XX_PATH);
    ASSERT_NE(driver, nullptr);

    std::string description;
    ASSERT_EQ(driver->DeviceDescription(0, description), FT_OK);
    EXPECT_EQ(description, longest);
    DriverLink link(*driver, {});
    ASSERT_EQ(link.GetFTDeviceDescription(0), FT_OK);
    EXPECT_EQ(link.DeviceString(), std::string(49, 'D'));
    EXPECT_EQ(link.GetFTDeviceSerialNo(1), FT_DEVICE_NOT_FOUND);
    EXPECT_EQ(link.DeviceString(), std::string(49, 'D'));
}

TEST(D2xxLibraryTest, LibraryWithoutEveryFunctionOrWithoutAFileIsNotUsed) {
    EXPECT_EQ(LoadD2xxLibrary(FAKE_D2XX_WITHOUT_READ_PATH), nullptr);
    EXPECT_EQ(LoadD2xxLibrary("/nonexistent/libftd2xx.so"), nullptr);
}

// This test program's run-time search path holds the fake under the vendor's file name.
TEST(D2xxLibraryTest, SystemDriverFindsTheVendorLibraryByItsPlainName) {
    FakeD2xx fake;
    fake.AddDevice("A", "1");
    fake.AddDevice("B", "2");
    fake.AddDevice("C", "3");
    const auto driver = CreateSystemDriver();
    std::uint32_t count = 0;
    ASSERT_EQ(driver->CountDevices(count), FT_OK);
    EXPECT_EQ(count, 3u);
}

}  // namespace
}  // namespace farb::testing
