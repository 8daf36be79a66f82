// A stand-in for the vendor's libftd2xx.so and ftd2xx.dll, built from the published interface: a
// scripted set of devices, and a log of every call with its arguments as the library received them.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using DWORD = std::uint32_t;
using FT_STATUS = std::uint32_t;
using FT_HANDLE = void*;

namespace {

struct FakeDevice {
    std::string description;
    std::string serial;
    std::string versionAnswer;
    bool open = false;
    std::string answer;
};

std::string callLog;
// A program that loads the fake by name cannot call FakeD2xx_AddDevice; the environment sets
// it up instead: FAKE_D2XX_DEVICES="description,serial,version answer;..." and FAKE_D2XX_LOG,
// a file that receives the log as it grows, from "loaded" on.
const char* const logFile = std::getenv("FAKE_D2XX_LOG");

std::vector<FakeDevice> DevicesFromEnvironment();
std::vector<FakeDevice> devices = DevicesFromEnvironment();

// FAKE_D2XX_UNPLUGGED names a file: while it exists the cable is pulled, so no device is counted,
// listed or opened, and a handle opened before fails every call but FT_Close.
bool Unplugged() {
    const char* path = std::getenv("FAKE_D2XX_UNPLUGGED");
    std::FILE* file = path ? std::fopen(path, "rb") : nullptr;
    if (file) {
        std::fclose(file);
    }
    return file != nullptr;
}

void Note(const std::string& line) {
    callLog += line + "\n";
    if (logFile) {
        if (std::FILE* file = std::fopen(logFile, "a")) {
            std::fputs((line + "\n").c_str(), file);
            std::fclose(file);
        }
    }
}

std::vector<FakeDevice> DevicesFromEnvironment() {
    std::vector<FakeDevice> scripted;
    const char* text = std::getenv("FAKE_D2XX_DEVICES");
    std::string rest = text ? text : "";
    while (!rest.empty()) {
        const std::string entry = rest.substr(0, rest.find(';'));
        rest.erase(0, std::min(rest.size(), entry.size() + 1));
        const std::size_t first = entry.find(',');
        const std::size_t second = entry.find(',', first + 1);
        scripted.push_back({entry.substr(0, first),
                            entry.substr(first + 1, second - first - 1),
                            second == std::string::npos ? "" : entry.substr(second + 1),
                            false,
                            {}});
    }
    if (logFile) {
        Note("loaded");
    }
    return scripted;
}

FakeDevice* DeviceOf(FT_HANDLE handle, bool evenUnplugged = false) {
    if (!evenUnplugged && Unplugged()) {
        return nullptr;
    }
    for (FakeDevice& device : devices) {
        if (&device == handle && device.open) {
            return &device;
        }
    }
    return nullptr;
}

}  // namespace

#ifdef _WIN32
#define FAKE_EXPORT extern "C" __declspec(dllexport)
// The vendor's functions use the Windows calling convention (WINAPI); the fake's own do not.
#define FAKE_D2XX_CALL __stdcall
#else
#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))
#define FAKE_D2XX_CALL
#endif

FAKE_EXPORT void FakeD2xx_Reset() {
    devices.clear();
    callLog.clear();
}

FAKE_EXPORT void FakeD2xx_AddDevice(const char* description, const char* serial,
                                    const char* versionAnswer) {
    devices.push_back({description, serial, versionAnswer, false, {}});
}

FAKE_EXPORT const char* FakeD2xx_Log() {
    return callLog.c_str();
}

FAKE_EXPORT FT_STATUS FAKE_D2XX_CALL FT_ListDevices(void* arg1, void* arg2, DWORD flags) {
    char hexFlags[16];
    std::snprintf(hexFlags, sizeof hexFlags, "0x%08X", flags);
    if (flags == 0x80000000u) {
        Note(std::string("FT_ListDevices(") + hexFlags + ")");
        *static_cast<DWORD*>(arg1) = Unplugged() ? 0 : static_cast<DWORD>(devices.size());
        return 0;
    }
    const auto index = reinterpret_cast<std::uintptr_t>(arg1);
    Note("FT_ListDevices(" + std::to_string(index) + "," + hexFlags + ")");
    if ((flags & 0x40000000u) == 0 || index >= devices.size() || Unplugged()) {
        return 2;
    }
    const FakeDevice& device = devices[index];
    const std::string& text = (flags & 3) == 1 ? device.serial : device.description;
    std::memcpy(arg2, text.c_str(), text.size() + 1);
    return 0;
}

FAKE_EXPORT FT_STATUS FAKE_D2XX_CALL FT_OpenEx(void* arg, DWORD flags, FT_HANDLE* handle) {
    const std::string serial = static_cast<const char*>(arg);
    Note("FT_OpenEx(" + serial + "," + std::to_string(flags) + ")");
    for (FakeDevice& device : devices) {
        if (flags == 1 && device.serial == serial && !device.open && !Unplugged()) {
            device.open = true;
            *handle = &device;
            return 0;
        }
    }
    return 2;
}

FAKE_EXPORT FT_STATUS FAKE_D2XX_CALL FT_Close(FT_HANDLE handle) {
    Note("FT_Close");
    FakeDevice* device = DeviceOf(handle, true);
    if (!device) {
        return 1;
    }
    device->open = false;
    return 0;
}

FAKE_EXPORT FT_STATUS FAKE_D2XX_CALL FT_SetBaudRate(FT_HANDLE handle, DWORD baud) {
    Note("FT_SetBaudRate(" + std::to_string(baud) + ")");
    return DeviceOf(handle) ? 0 : 1;
}

FAKE_EXPORT FT_STATUS FAKE_D2XX_CALL FT_SetDataCharacteristics(FT_HANDLE handle, std::uint8_t bits,
                                                               std::uint8_t stop,
                                                               std::uint8_t parity) {
    Note("FT_SetDataCharacteristics(" + std::to_string(bits) + "," + std::to_string(stop) + "," +
         std::to_string(parity) + ")");
    return DeviceOf(handle) ? 0 : 1;
}

FAKE_EXPORT FT_STATUS FAKE_D2XX_CALL FT_SetTimeouts(FT_HANDLE handle, DWORD readMs, DWORD writeMs) {
    Note("FT_SetTimeouts(" + std::to_string(readMs) + "," + std::to_string(writeMs) + ")");
    return DeviceOf(handle) ? 0 : 1;
}

FAKE_EXPORT FT_STATUS FAKE_D2XX_CALL FT_GetQueueStatus(FT_HANDLE handle, DWORD* queued) {
    Note("FT_GetQueueStatus");
    FakeDevice* device = DeviceOf(handle);
    if (!device) {
        return 1;
    }
    *queued = static_cast<DWORD>(device->answer.size());
    return 0;
}

FAKE_EXPORT FT_STATUS FAKE_D2XX_CALL FT_Write(FT_HANDLE handle, void* buffer, DWORD count,
                                              DWORD* written) {
    const std::string bytes(static_cast<const char*>(buffer), count);
    std::string hex;
    for (const unsigned char byte : bytes) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%s%02X", hex.empty() ? "" : " ", byte);
        hex += pair;
    }
    Note("FT_Write(" + hex + ")");
    FakeDevice* device = DeviceOf(handle);
    if (!device) {
        return 1;
    }
    if (bytes == "VER\r\n") {
        device->answer += device->versionAnswer;
    }
    *written = count;
    return 0;
}

#ifndef FAKE_D2XX_WITHOUT_READ
FAKE_EXPORT FT_STATUS FAKE_D2XX_CALL FT_Read(FT_HANDLE handle, void* buffer, DWORD count,
                                             DWORD* returned) {
    Note("FT_Read(" + std::to_string(count) + ")");
    FakeDevice* device = DeviceOf(handle);
    if (!device) {
        return 1;
    }
    const std::size_t n = std::min<std::size_t>(count, device->answer.size());
    std::memcpy(buffer, device->answer.data(), n);
    device->answer.erase(0, n);
    *returned = static_cast<DWORD>(n);
    return 0;
}
#endif
