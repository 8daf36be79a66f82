#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include "D2XXUnit.h"
#include "LampDiscovery.h"
#include "LampLink.h"
#include "NoDriver.h"
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

#ifdef _WIN32
using Library = HMODULE;
Library OpenLibrary(const std::filesystem::path& path) {
    return LoadLibraryW(path.c_str());
}
void* Symbol(Library library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(library, name));
}
void CloseLibrary(Library library) {
    FreeLibrary(library);
}
std::string LastError() {
    return "LoadLibraryW failed with error " + std::to_string(GetLastError());
}

// The build puts the fakes' folders beside this test program.
std::filesystem::path ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    return std::filesystem::path(path).parent_path();
}
std::filesystem::path CompleteFake() {
    return ProgramFolder() / FAKE_D2XX_DIR / "ftd2xx.dll";
}
std::filesystem::path FakeWithoutRead() {
    return ProgramFolder() / FAKE_D2XX_WITHOUT_READ_DIR / "ftd2xx.dll";
}
const std::filesystem::path kMissingLibrary = L"C:\\nonexistent\\ftd2xx.dll";

// The fake's folder on the DLL search path, as an installed vendor library would be.
class FakeOnSearchPath {
  public:
    FakeOnSearchPath() { SetDllDirectoryW(CompleteFake().parent_path().c_str()); }
    ~FakeOnSearchPath() { SetDllDirectoryW(nullptr); }
};
#else
using Library = void*;
Library OpenLibrary(const std::filesystem::path& path) {
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}
void* Symbol(Library library, const char* name) {
    return dlsym(library, name);
}
void CloseLibrary(Library library) {
    dlclose(library);
}
std::string LastError() {
    return dlerror();
}

std::filesystem::path CompleteFake() {
    return FAKE_D2XX_PATH;
}
std::filesystem::path FakeWithoutRead() {
    return FAKE_D2XX_WITHOUT_READ_PATH;
}
const std::filesystem::path kMissingLibrary = "/nonexistent/libftd2xx.so";

// This test program's run-time search path holds the fake under the vendor's file name.
struct FakeOnSearchPath {};
#endif

// The script and the log of the fake library, reached through its own handle; the loader hands
// out the one copy the driver under test has loaded as well.
class FakeD2xx {
  public:
    FakeD2xx() : library_(OpenLibrary(CompleteFake())) {
        if (!library_) {
            ADD_FAILURE() << LastError();
            return;
        }
        reset_ = reinterpret_cast<void (*)()>(Symbol(library_, "FakeD2xx_Reset"));
        addDevice_ = reinterpret_cast<void (*)(const char*, const char*, const char*)>(
            Symbol(library_, "FakeD2xx_AddDevice"));
        log_ = reinterpret_cast<const char* (*)()>(Symbol(library_, "FakeD2xx_Log"));
        reset_();
    }
    ~FakeD2xx() {
        if (library_) {
            CloseLibrary(library_);
        }
    }
    FakeD2xx(const FakeD2xx&) = delete;
    FakeD2xx& operator=(const FakeD2xx&) = delete;

    void AddDevice(const std::string& description, const std::string& serial,
                   const std::string& versionAnswer = "") {
        addDevice_(description.c_str(), serial.c_str(), versionAnswer.c_str());
    }
    std::vector<std::string> Log() const { return Lines(log_()); }

  private:
    Library library_;
    void (*reset_)() = nullptr;
    void (*addDevice_)(const char*, const char*, const char*) = nullptr;
    const char* (*log_)() = nullptr;
};

TEST(D2xxLibraryTest, ColourCommandReachesTheLibraryWithTheDocumentedArguments) {
    FakeD2xx fake;
    fake.AddDevice("Other", "X0");
    fake.AddDevice("Luma-Glanz", "FAKE0001", "LG V2.1\r\n");
    const auto driver = LoadD2xxLibrary(CompleteFake());
    ASSERT_NE(driver, nullptr);
    LampLink link(*driver, {});

    link.commands.SetLampColour(kColourGreen);

    EXPECT_EQ(link.discovery.LampProtocol(), 2);
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

TEST(D2xxLibraryTest, BinaryLampGetsItsTwoBytesAtNineThousandSixHundredBaud) {
    FakeD2xx fake;
    fake.AddDevice("TTL232R", "CABLE01");
    const auto driver = LoadD2xxLibrary(CompleteFake());
    ASSERT_NE(driver, nullptr);
    LampLink link(*driver, {});

    link.commands.SetLampColour(kColourGreen);

    EXPECT_EQ(link.discovery.LampProtocol(), 1);
    EXPECT_THAT(fake.Log(),
                ElementsAre("FT_ListDevices(0x80000000)", "FT_ListDevices(0,0x40000002)",
                            "FT_ListDevices(0,0x40000002)", "FT_ListDevices(0,0x40000001)",
                            "FT_OpenEx(CABLE01,1)", "FT_SetBaudRate(9600)",
                            "FT_SetDataCharacteristics(8,2,0)", "FT_Write(FF 42)", "FT_Close"));
}

TEST(D2xxLibraryTest, LongestDescriptionFitsTheBufferAndFortyNineCharactersAreKept) {
    FakeD2xx fake;
    const std::string longest(64, 'D');
    fake.AddDevice(longest, "S1");
    const auto driver = LoadD2xxLibrary(CompleteFake());
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
    EXPECT_EQ(LoadD2xxLibrary(FakeWithoutRead()), nullptr);
    EXPECT_EQ(LoadD2xxLibrary(kMissingLibrary), nullptr);
}

TEST(D2xxLibraryTest, SystemDriverFindsTheVendorLibraryByItsPlainName) {
    [[maybe_unused]] const FakeOnSearchPath onSearchPath;
    FakeD2xx fake;
    fake.AddDevice("A", "1");
    fake.AddDevice("B", "2");
    fake.AddDevice("C", "3");
    const auto driver = CreateSystemDriver();
    std::uint32_t count = 0;
    ASSERT_EQ(driver->CountDevices(count), FT_OK);
    EXPECT_EQ(count, 3u);
}

#ifdef _WIN32
// Windows has no other driver to fall back on.
TEST(D2xxLibraryTest, WithoutTheVendorLibraryTheSystemDriverIsNoDriver) {
    const auto driver = CreateSystemDriver();
    EXPECT_NE(dynamic_cast<NoDriver*>(driver.get()), nullptr);
}
#endif

}  // namespace
}  // namespace farb::testing
