#include "NoDriver.h"

namespace farb {

FT_STATUS NoDriver::CountDevices(std::uint32_t& count) {
    count = 0;
    return FT_OK;
}

// With no device there is no index, serial number or handle that could be valid.
FT_STATUS NoDriver::DeviceDescription(std::uint32_t, std::string&) {
    return FT_DEVICE_NOT_FOUND;
}

FT_STATUS NoDriver::DeviceSerialNumber(std::uint32_t, std::string&) {
    return FT_DEVICE_NOT_FOUND;
}

FT_STATUS NoDriver::OpenBySerialNumber(std::string_view, FT_HANDLE&) {
    return FT_DEVICE_NOT_FOUND;
}

FT_STATUS NoDriver::Close(FT_HANDLE) {
    return FT_INVALID_HANDLE;
}

FT_STATUS NoDriver::SetBaudRate(FT_HANDLE, std::uint32_t) {
    return FT_INVALID_HANDLE;
}

FT_STATUS NoDriver::SetDataCharacteristics(FT_HANDLE, std::uint8_t, std::uint8_t, std::uint8_t) {
    return FT_INVALID_HANDLE;
}

FT_STATUS NoDriver::SetTimeouts(FT_HANDLE, std::uint32_t, std::uint32_t) {
    return FT_INVALID_HANDLE;
}

FT_STATUS NoDriver::GetQueueStatus(FT_HANDLE, std::uint32_t&) {
    return FT_INVALID_HANDLE;
}

FT_STATUS NoDriver::Write(FT_HANDLE, const std::uint8_t*, std::uint32_t, std::uint32_t& written) {
    written = 0;
    return FT_INVALID_HANDLE;
}

FT_STATUS NoDriver::Read(FT_HANDLE, std::uint8_t*, std::uint32_t, std::uint32_t& returned) {
    returned = 0;
    return FT_INVALID_HANDLE;
}

}  // namespace farb
