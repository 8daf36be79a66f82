#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "lamp/LampRig.h"

// The vendor library's stand-in is reached by dlopen, and the sysfs tree exists only on Linux.
#ifndef _WIN32
#include <dlfcn.h>
#include <unistd.h>

#include "SysfsUsbStrings.h"
#include "SystemDriver.h"
#endif

namespace farb::testing {
namespace {

using ::testing::IsEmpty;
using namespace std::string_literals;

std::string Bytes(std::size_t count, char first) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += static_cast<char>(first + i % 64);
    }
    return text;
}

const std::string kNonAscii = "\x80\xFC\xE4\xFF\xC3\xBC\x01\x7F";

struct DeviceStrings {
    const char* name;
    std::string description;
    std::string serial;
    bool accepted;           // discovery takes the device for a lamp
    std::string lampSerial;  // what discovery keeps
    bool reachable;          // the colour gets through
};

// What the USB strings of a device can hold: the library's 64-byte maximum and far beyond it,
// bytes outside ASCII, and zeros in the middle (where a C library would end the string).
const std::vector<DeviceStrings> kCases{
    {"49-byte description", Bytes(49, '0'), "S1", false, "", false},
    {"64-byte description", Bytes(64, '0'), "S1", false, "", false},
    {"65-byte description", Bytes(65, '0'), "S1", false, "", false},
    {"description of thousands", Bytes(5000, '0'), "S1", false, "", false},
    {"lamp name then 60 more bytes", "Luma-Glanz" + Bytes(60, 'a'), "S1", false, "", false},
    {"lamp name, zero, thousands", "Luma-Glanz\0"s + Bytes(5000, 'a'), "S1", true, "S1", true},
    {"non-ASCII KZ description", "KZ" + kNonAscii + "\xFC\xFCV" + kNonAscii + "\xFF", "S1", true,
     "S1", true},
    {"KZ description past the kept 49", "KZ0123456789V012345678" + Bytes(40, 'a'), "S1", false, "",
     false},
    {"non-ASCII description", kNonAscii, "S1", false, "", false},
    {"empty description", "", "S1", false, "", false},
    {"49-byte serial", "Luma-Glanz", Bytes(49, 'A'), true, Bytes(49, 'A'), true},
    // Kept as its first 49 bytes, which open no device.
    {"50-byte serial", "Luma-Glanz", Bytes(50, 'A'), true, Bytes(49, 'A'), false},
    {"64-byte serial", "Luma-Glanz", Bytes(64, 'A'), true, Bytes(49, 'A'), false},
    {"serial of thousands", "Luma-Glanz", Bytes(5000, 'A'), true, Bytes(49, 'A'), false},
    {"non-ASCII serial", "Luma-Glanz", kNonAscii, true, kNonAscii, true},
    {"serial with a zero", "Luma-Glanz", "AB\0CD"s, true, "AB", false},
    {"empty serial", "Luma-Glanz", "", true, "", true},
};

TEST(DeviceStringTest, HostileDescriptionsAndSerialsNeverOverflowAndOnlyLampsAreTaken) {
    for (const DeviceStrings& strings : kCases) {
        SCOPED_TRACE(strings.name);
        LampRig rig;
        const int device = rig.driver.Plug(strings.description, strings.serial, LampKind::TextLamp);
        rig.commands.SetLampColour(kColourGreen);
        rig.commands.SetLampColour(kColourBlue);

        EXPECT_EQ(rig.discovery.Found(), strings.accepted);
        EXPECT_EQ(rig.discovery.LampSerial(), strings.lampSerial);
        EXPECT_EQ(rig.driver.OpenHandleCount(), 0);
        EXPECT_THAT(rig.reports, IsEmpty());
        if (strings.reachable) {
            EXPECT_NE(rig.Received(device).find("C0000FF\r\n"s), std::string::npos)
                << rig.Received(device);
        } else {
            EXPECT_THAT(rig.Received(device), IsEmpty());
        }
        EXPECT_EQ(rig.discovery.Found(), strings.accepted);
    }
}

// The read takes 20 bytes whatever the lamp sends; the rest waits for the next exchange, and every
// byte value, zero included, is an answer.
TEST(DeviceStringTest, AnswersLongerThanTheReadAreTakenTwentyBytesAtATime) {
    LampRig rig;
    SimulatedLamp chatty{"Luma-Glanz", "L1", LampKind::TextLamp};
    chatty.versionAnswer = "\0"s + Bytes(40'000, 'A') + "\r\n";
    chatty.colourAnswer = kNonAscii + Bytes(5000, '0');
    const int lamp = rig.driver.Plug(chatty);

    rig.commands.SetLampColour(kColourRed);
    EXPECT_EQ(rig.discovery.LampProtocol(), 2);
    // 20 bytes went to the version query, 20 to the colour command.
    EXPECT_EQ(rig.commands.SendTextCommand("X"), Bytes(59, 'A').substr(39));
    EXPECT_EQ(rig.Received(lamp), "VER\r\nCFF0000\r\nX\r\n");
    for (const DriverCall& call : rig.driver.Calls()) {
        if (call.operation == DriverOperation::Read) {
            EXPECT_EQ(call.bytes.size(), 20u);
        }
    }
    EXPECT_EQ(rig.driver.OpenHandleCount(), 0);
}

// A command longer than the output buffer is cut to fit it, line end included.
TEST(DeviceStringTest, CommandLongerThanTheOutputBufferIsCutToTheBuffer) {
    LampRig rig;
    const int lamp = rig.driver.Plug("Luma-Glanz", "L1", LampKind::MuteLamp);
    rig.discovery.ScanForLamp();
    rig.discovery.SetLampProtocol(2);
    rig.commands.SendTextCommand(Bytes(DriverLink::kBufferSize + 100, 'a'));
    const std::string received = rig.Received(lamp);
    EXPECT_EQ(received.size(), DriverLink::kBufferSize);
    EXPECT_EQ(received.substr(received.size() - 2), "\r\n");
}

#ifndef _WIN32
// The vendor library writes up to 64 bytes into the description buffer it is given, and sends its
// answers through its own read; both reach the link through the run-time loaded back end.
TEST(DeviceStringTest, VendorLibraryStringsOfItsLongestLengthAndLongAnswersStayInTheirBuffers) {
    void* library = dlopen(FAKE_D2XX_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    const auto reset = reinterpret_cast<void (*)()>(dlsym(library, "FakeD2xx_Reset"));
    const auto addDevice = reinterpret_cast<void (*)(const char*, const char*, const char*)>(
        dlsym(library, "FakeD2xx_AddDevice"));
    ASSERT_TRUE(reset && addDevice);
    reset();
    const std::string longestNonAscii = "\xFC" + Bytes(62, '@') + "\xFF";
    addDevice(longestNonAscii.c_str(), Bytes(64, 'S').c_str(), "");
    addDevice("Luma-Glanz", "LG1", (Bytes(3000, 'v') + "\r\n").c_str());

    const auto driver = LoadD2xxLibrary(FAKE_D2XX_PATH);
    ASSERT_NE(driver, nullptr);
    std::vector<std::string> reports;
    LampLink lamp(*driver,
                  {.onDriverError = [&](const std::string& text) { reports.push_back(text); }});
    DriverLink& link = lamp.link;
    LampDiscovery& discovery = lamp.discovery;
    LampCommands& commands = lamp.commands;

    ASSERT_EQ(link.GetFTDeviceDescription(0), FT_OK);
    EXPECT_EQ(link.DeviceString(), longestNonAscii.substr(0, 49));
    ASSERT_EQ(link.GetFTDeviceSerialNo(0), FT_OK);
    EXPECT_EQ(link.DeviceString(), Bytes(49, 'S'));

    commands.SetLampColour(kColourGreen);
    EXPECT_EQ(discovery.LampSerial(), "LG1");
    EXPECT_EQ(discovery.LampProtocol(), 2);
    EXPECT_EQ(commands.SendTextCommand("VER"), Bytes(60, 'v').substr(40));
    EXPECT_THAT(reports, IsEmpty());
    EXPECT_EQ(link.Handle(), nullptr);
    dlclose(library);
}

TEST(DeviceStringTest, SysfsStringsOfAnyLengthAndByteArriveWhole) {
    const auto root = std::filesystem::temp_directory_path() /
                      ("farb-robust-sysfs-" + std::to_string(::getpid()));
    std::filesystem::create_directories(root / "1-2");
    const std::string product = kNonAscii + "\0"s + Bytes(10'000, ' ');
    std::ofstream(root / "1-2" / "product", std::ios::binary) << product << '\n';

    const std::uint8_t port = 2;
    EXPECT_EQ(ReadSysfsUsbString(root, 1, std::span(&port, 1), "product"), product);
    std::filesystem::remove_all(root);
}
#endif

}  // namespace
}  // namespace farb::testing
