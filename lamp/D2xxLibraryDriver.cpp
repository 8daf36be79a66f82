#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "SystemDriver.h"

#ifdef _WIN32
#include <windows.h>
#define FARB_D2XX_CALL WINAPI
#else
#include <dlfcn.h>
#define FARB_D2XX_CALL
#endif

namespace farb {

namespace {

// The published D2XX interface, declared here from its documentation: DWORD and ULONG are
// 32 bits on every platform, the handle is a pointer.
using DWORD = std::uint32_t;
using UCHAR = std::uint8_t;

constexpr DWORD FT_LIST_NUMBER_ONLY = 0x80000000;
constexpr DWORD FT_LIST_BY_INDEX = 0x40000000;
constexpr DWORD FT_OPEN_BY_SERIAL_NUMBER = 1;
constexpr DWORD FT_OPEN_BY_DESCRIPTION = 2;

// The library writes descriptions of up to 64 bytes without being told the buffer's size.
constexpr std::size_t kLibraryStringBufferSize = 64 + 1;

using ListDevicesFunction = FT_STATUS(FARB_D2XX_CALL*)(void*, void*, DWORD);
using OpenExFunction = FT_STATUS(FARB_D2XX_CALL*)(void*, DWORD, FT_HANDLE*);
using CloseFunction = FT_STATUS(FARB_D2XX_CALL*)(FT_HANDLE);
using SetBaudRateFunction = FT_STATUS(FARB_D2XX_CALL*)(FT_HANDLE, DWORD);
using SetDataCharacteristicsFunction = FT_STATUS(FARB_D2XX_CALL*)(FT_HANDLE, UCHAR, UCHAR, UCHAR);
using SetTimeoutsFunction = FT_STATUS(FARB_D2XX_CALL*)(FT_HANDLE, DWORD, DWORD);
using GetQueueStatusFunction = FT_STATUS(FARB_D2XX_CALL*)(FT_HANDLE, DWORD*);
using TransferFunction = FT_STATUS(FARB_D2XX_CALL*)(FT_HANDLE, void*, DWORD, DWORD*);

struct D2xxFunctions {
    ListDevicesFunction listDevices = nullptr;
    OpenExFunction openEx = nullptr;
    CloseFunction close = nullptr;
    SetBaudRateFunction setBaudRate = nullptr;
    SetDataCharacteristicsFunction setDataCharacteristics = nullptr;
    SetTimeoutsFunction setTimeouts = nullptr;
    GetQueueStatusFunction getQueueStatus = nullptr;
    TransferFunction write = nullptr;
    TransferFunction read = nullptr;
};

#ifdef _WIN32
using LibraryHandle = HMODULE;
// The wide call, so that a path in any script reaches the loader unchanged.
LibraryHandle OpenLibrary(const std::filesystem::path& path) {
    return LoadLibraryW(path.c_str());
}
void* FindSymbol(LibraryHandle library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(library, name));
}
void CloseLibrary(LibraryHandle library) {
    FreeLibrary(library);
}
#else
using LibraryHandle = void*;
LibraryHandle OpenLibrary(const std::filesystem::path& path) {
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}
void* FindSymbol(LibraryHandle library, const char* name) {
    return dlsym(library, name);
}
void CloseLibrary(LibraryHandle library) {
    dlclose(library);
}
#endif

template <typename Function>
bool Resolve(LibraryHandle library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(FindSymbol(library, name));
    return function != nullptr;
}

bool ResolveAll(LibraryHandle library, D2xxFunctions& f) {
    return Resolve(library, "FT_ListDevices", f.listDevices) &&
           Resolve(library, "FT_OpenEx", f.openEx) && Resolve(library, "FT_Close", f.close) &&
           Resolve(library, "FT_SetBaudRate", f.setBaudRate) &&
           Resolve(library, "FT_SetDataCharacteristics", f.setDataCharacteristics) &&
           Resolve(library, "FT_SetTimeouts", f.setTimeouts) &&
           Resolve(library, "FT_GetQueueStatus", f.getQueueStatus) &&
           Resolve(library, "FT_Write", f.write) && Resolve(library, "FT_Read", f.read);
}

class D2xxLibraryDriver final : public FtDriver {
  public:
    D2xxLibraryDriver(LibraryHandle library, const D2xxFunctions& functions)
        : library_(library), ft_(functions) {}
    ~D2xxLibraryDriver() override { CloseLibrary(library_); }
    D2xxLibraryDriver(const D2xxLibraryDriver&) = delete;
    D2xxLibraryDriver& operator=(const D2xxLibraryDriver&) = delete;

    FT_STATUS CountDevices(std::uint32_t& count) override {
        DWORD number = 0;
        const FT_STATUS status = ft_.listDevices(&number, nullptr, FT_LIST_NUMBER_ONLY);
        if (status == FT_OK) {
            count = number;
        }
        return status;
    }

    FT_STATUS DeviceDescription(std::uint32_t index, std::string& out) override {
        return ListByIndex(index, FT_OPEN_BY_DESCRIPTION, out);
    }

    FT_STATUS DeviceSerialNumber(std::uint32_t index, std::string& out) override {
        return ListByIndex(index, FT_OPEN_BY_SERIAL_NUMBER, out);
    }

    FT_STATUS OpenBySerialNumber(std::string_view serial, FT_HANDLE& handle) override {
        std::string terminated(serial);
        return ft_.openEx(terminated.data(), FT_OPEN_BY_SERIAL_NUMBER, &handle);
    }

    FT_STATUS Close(FT_HANDLE handle) override { return ft_.close(handle); }

    FT_STATUS SetBaudRate(FT_HANDLE handle, std::uint32_t baudRate) override {
        return ft_.setBaudRate(handle, baudRate);
    }

    FT_STATUS SetDataCharacteristics(FT_HANDLE handle, std::uint8_t bits, std::uint8_t stop,
                                     std::uint8_t parity) override {
        return ft_.setDataCharacteristics(handle, bits, stop, parity);
    }

    FT_STATUS SetTimeouts(FT_HANDLE handle, std::uint32_t readMs, std::uint32_t writeMs) override {
        return ft_.setTimeouts(handle, readMs, writeMs);
    }

    FT_STATUS GetQueueStatus(FT_HANDLE handle, std::uint32_t& rxBytes) override {
        DWORD queued = 0;
        const FT_STATUS status = ft_.getQueueStatus(handle, &queued);
        if (status == FT_OK) {
            rxBytes = queued;
        }
        return status;
    }

    FT_STATUS Write(FT_HANDLE handle, const std::uint8_t* bytes, std::uint32_t count,
                    std::uint32_t& written) override {
        DWORD done = 0;
        // FT_Write takes a plain pointer but only reads from it.
        const FT_STATUS status = ft_.write(handle, const_cast<std::uint8_t*>(bytes), count, &done);
        written = done;
        return status;
    }

    FT_STATUS Read(FT_HANDLE handle, std::uint8_t* bytes, std::uint32_t count,
                   std::uint32_t& returned) override {
        DWORD done = 0;
        const FT_STATUS status = ft_.read(handle, bytes, count, &done);
        returned = done;
        return status;
    }

  private:
    FT_STATUS ListByIndex(std::uint32_t index, DWORD what, std::string& out) {
        std::array<char, kLibraryStringBufferSize> buffer{};
        // With FT_LIST_BY_INDEX the first argument is the index itself, not a pointer to it.
        const FT_STATUS status = ft_.listDevices(reinterpret_cast<void*>(std::uintptr_t{index}),
                                                 buffer.data(), FT_LIST_BY_INDEX | what);
        buffer.back() = '\0';
        if (status == FT_OK) {
            out = buffer.data();
        }
        return status;
    }

    LibraryHandle library_;
    D2xxFunctions ft_;
};

}  // namespace

std::unique_ptr<FtDriver> LoadD2xxLibrary(const std::filesystem::path& path) {
    LibraryHandle library = OpenLibrary(path);
    if (!library) {
        return nullptr;
    }
    D2xxFunctions functions;
    if (!ResolveAll(library, functions)) {
        CloseLibrary(library);
        return nullptr;
    }
    return std::make_unique<D2xxLibraryDriver>(library, functions);
}

}  // namespace farb
