#pragma once

#include "FtDriver.h"

namespace farb {

// The back end of a machine without a driver library: no device is ever attached, so discovery
// shows no connection and no other call is made. Nothing fails, so nothing is ever reported.
class NoDriver final : public FtDriver {
  public:
    bool HasLibrary() const override { return false; }
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
};

}  // namespace farb
