#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "FtDriver.h"

namespace farb::fuzz {

// A driver whose every answer comes from the fuzz input: device counts, descriptions and serial
// numbers of any length and any bytes, statuses known and unknown, and transfers that claim more
// than they were asked for. It holds the link to the rules of the interface: no call on a handle
// that is not open, never two devices open, and a string for the open that fits the link's buffer.
class FuzzedDriver : public FtDriver {
  public:
    explicit FuzzedDriver(FuzzedDataProvider& input) : input_(input) {}

    int OpenHandleCount() const { return static_cast<int>(open_.size()); }

    FT_STATUS CountDevices(std::uint32_t& count) override;
    FT_STATUS DeviceDescription(std::uint32_t index, std::string& out) override;
    FT_STATUS DeviceSerialNumber(std::uint32_t index, std::string& out) override;
    FT_STATUS OpenBySerialNumber(std::string_view serial, FT_HANDLE& handle) override;
    FT_STATUS Close(FT_HANDLE handle) override;
    FT_STATUS SetBaudRate(FT_HANDLE handle, std::uint32_t baudRate) override;
    FT_STATUS SetDataCharacteristics(FT_HANDLE handle, std::uint8_t bits, std::uint8_t stop,
                                     std::uint8_t parity) override;
    FT_STATUS SetTimeouts(FT_HANDLE handle, std::uint32_t readMs, std::uint32_t writeMs) override;
    FT_STATUS GetQueueStatus(FT_HANDLE handle, std::uint32_t& rxBytes) override;
    FT_STATUS Write(FT_HANDLE handle, const std::uint8_t* bytes, std::uint32_t count,
                    std::uint32_t& written) override;
    FT_STATUS Read(FT_HANDLE handle, std::uint8_t* bytes, std::uint32_t count,
                   std::uint32_t& returned) override;

  private:
    FT_STATUS Status();
    std::string DeviceString();
    void RequireOpen(FT_HANDLE handle, const char* call) const;

    FuzzedDataProvider& input_;
    std::set<FT_HANDLE> open_;
    std::uintptr_t nextHandle_ = 0x100;
};

}  // namespace farb::fuzz
