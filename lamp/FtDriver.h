#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "OpenFailure.h"

namespace farb {

using FT_STATUS = std::uint32_t;
using FT_HANDLE = void*;

// The status numbers of the D2XX interface; every back end answers in these.
inline constexpr FT_STATUS FT_OK = 0;
inline constexpr FT_STATUS FT_INVALID_HANDLE = 1;
inline constexpr FT_STATUS FT_DEVICE_NOT_FOUND = 2;
inline constexpr FT_STATUS FT_DEVICE_NOT_OPENED = 3;
inline constexpr FT_STATUS FT_IO_ERROR = 4;
inline constexpr FT_STATUS FT_INSUFFICIENT_RESOURCES = 5;
inline constexpr FT_STATUS FT_INVALID_PARAMETER = 6;
inline constexpr FT_STATUS FT_INVALID_BAUD_RATE = 7;
inline constexpr FT_STATUS FT_DEVICE_NOT_OPENED_FOR_ERASE = 8;
inline constexpr FT_STATUS FT_DEVICE_NOT_OPENED_FOR_WRITE = 9;
inline constexpr FT_STATUS FT_FAILED_TO_WRITE_DEVICE = 10;
inline constexpr FT_STATUS FT_EEPROM_READ_FAILED = 11;
inline constexpr FT_STATUS FT_EEPROM_WRITE_FAILED = 12;
inline constexpr FT_STATUS FT_EEPROM_ERASE_FAILED = 13;
inline constexpr FT_STATUS FT_EEPROM_NOT_PRESENT = 14;
inline constexpr FT_STATUS FT_EEPROM_NOT_PROGRAMMED = 15;
inline constexpr FT_STATUS FT_INVALID_ARGS = 16;
inline constexpr FT_STATUS FT_NOT_SUPPORTED = 17;
inline constexpr FT_STATUS FT_OTHER_ERROR = 18;

// The line values of the D2XX interface.
inline constexpr std::uint8_t FT_BITS_8 = 8;
inline constexpr std::uint8_t FT_BITS_7 = 7;
inline constexpr std::uint8_t FT_STOP_BITS_1 = 0;
inline constexpr std::uint8_t FT_STOP_BITS_2 = 2;
inline constexpr std::uint8_t FT_PARITY_NONE = 0;
inline constexpr std::uint8_t FT_PARITY_ODD = 1;
inline constexpr std::uint8_t FT_PARITY_EVEN = 2;
inline constexpr std::uint8_t FT_PARITY_MARK = 3;
inline constexpr std::uint8_t FT_PARITY_SPACE = 4;

// The dozen device operations the lamp link needs, in the terms of the D2XX interface.
// Strings come back whole; shortening them to what the program keeps is the caller's job.
class FtDriver {
  public:
    virtual ~FtDriver() = default;

    // False on a machine without any driver library for the lamp: no lamp can ever be reached.
    virtual bool HasLibrary() const { return true; }

    virtual FT_STATUS CountDevices(std::uint32_t& count) = 0;
    virtual FT_STATUS DeviceDescription(std::uint32_t index, std::string& out) = 0;
    virtual FT_STATUS DeviceSerialNumber(std::uint32_t index, std::string& out) = 0;
    virtual FT_STATUS OpenBySerialNumber(std::string_view serial, FT_HANDLE& handle) = 0;
    virtual FT_STATUS Close(FT_HANDLE handle) = 0;
    virtual FT_STATUS SetBaudRate(FT_HANDLE handle, std::uint32_t baudRate) = 0;
    virtual FT_STATUS SetDataCharacteristics(FT_HANDLE handle, std::uint8_t bits, std::uint8_t stop,
                                             std::uint8_t parity) = 0;
    virtual FT_STATUS SetTimeouts(FT_HANDLE handle, std::uint32_t readMs,
                                  std::uint32_t writeMs) = 0;
    virtual FT_STATUS GetQueueStatus(FT_HANDLE handle, std::uint32_t& rxBytes) = 0;
    virtual FT_STATUS Write(FT_HANDLE handle, const std::uint8_t* bytes, std::uint32_t count,
                            std::uint32_t& written) = 0;
    virtual FT_STATUS Read(FT_HANDLE handle, std::uint8_t* bytes, std::uint32_t count,
                           std::uint32_t& returned) = 0;
    // Why the last OpenBySerialNumber failed; a back end that cannot tell says Other.
    virtual OpenFailure LastOpenFailure() const { return OpenFailure::Other; }
};

}  // namespace farb
