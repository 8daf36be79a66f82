#include "D2XXUnit.h"

#include <algorithm>
#include <utility>

#include "DriverErrorText.h"

namespace farb {

DriverLink::DriverLink(FtDriver& driver, ErrorReporter errorReporter)
    : driver_(driver), errorReporter_(std::move(errorReporter)) {}

FT_STATUS DriverLink::GetFTDeviceCount() {
    std::uint32_t count = 0;
    const FT_STATUS status = driver_.CountDevices(count);
    if (status == FT_OK) {
        deviceCount_ = count;
    }
    return Reported("GetFTDeviceCount", status);
}

FT_STATUS DriverLink::GetFTDeviceSerialNo(std::uint32_t index) {
    std::string serial;
    const FT_STATUS status = driver_.DeviceSerialNumber(index, serial);
    return TakeDeviceString("GetFTDeviceSerialNo", status, serial);
}

FT_STATUS DriverLink::GetFTDeviceDescription(std::uint32_t index) {
    std::string description;
    const FT_STATUS status = driver_.DeviceDescription(index, description);
    return TakeDeviceString("GetFTDeviceDescription", status, description);
}

FT_STATUS DriverLink::TakeDeviceString(std::string_view caption, FT_STATUS status,
                                       const std::string& text) {
    if (status == FT_OK) {
        deviceStringBuffer_.Store(text);
        deviceString_ = deviceStringBuffer_.Load();
    }
    return Reported(caption, status);
}

FT_STATUS DriverLink::Open_USB_Device_By_Serial_Number(std::string_view serial) {
    deviceStringBuffer_.Store(serial);
    FT_HANDLE handle = nullptr;
    const FT_STATUS status = driver_.OpenBySerialNumber(deviceStringBuffer_.Load(), handle);
    if (status == FT_OK) {
        handle_ = handle;
    }
    lastOpenFailure_ = status == FT_OK ? OpenFailure::None : driver_.LastOpenFailure();
    return Reported("Open_USB_Device_By_Serial_Number", status);
}

FT_STATUS DriverLink::Close() {
    const FT_STATUS status = driver_.Close(handle_);
    // A close releases the handle even when it fails to reach the device.
    handle_ = nullptr;
    return Reported("FT_Close", status);
}

FT_STATUS DriverLink::SetBaudRate(std::uint32_t baudRate) {
    baudRate_ = baudRate;
    return Reported("FT_SetBaudRate", driver_.SetBaudRate(handle_, baudRate_));
}

FT_STATUS DriverLink::SetDataCharacteristics(std::uint8_t bits, std::uint8_t stop,
                                             std::uint8_t parity) {
    dataBits_ = bits;
    stopBits_ = stop;
    parity_ = parity;
    return Reported("FT_SetDataCharacteristics",
                    driver_.SetDataCharacteristics(handle_, dataBits_, stopBits_, parity_));
}

FT_STATUS DriverLink::SetTimeouts(std::uint32_t readMs, std::uint32_t writeMs) {
    return Reported("FT_SetTimeouts", driver_.SetTimeouts(handle_, readMs, writeMs));
}

FT_STATUS DriverLink::GetQueueStatus() {
    return Reported("FT_GetQueueStatus", driver_.GetQueueStatus(handle_, receiveQueueCount_));
}

std::uint32_t DriverLink::Write(std::uint32_t count) {
    count = std::min<std::uint32_t>(count, kBufferSize);
    std::uint32_t written = 0;
    ioStatus_ = driver_.Write(handle_, outputBuffer_.data(), count, written);
    Reported("FT_Write", ioStatus_);
    return ioStatus_ == FT_OK ? written : 0;
}

std::uint32_t DriverLink::Read(std::uint32_t count) {
    count = std::min<std::uint32_t>(count, kBufferSize);
    std::uint32_t returned = 0;
    ioStatus_ = driver_.Read(handle_, inputBuffer_.data(), count, returned);
    Reported("FT_Read", ioStatus_);
    return ioStatus_ == FT_OK ? std::min(returned, count) : 0;
}

void DriverLink::ReportDriverError(std::string_view caption, FT_STATUS status) {
    if (!errorReportEnabled_ || status == FT_OK || !errorReporter_) {
        return;
    }
    errorReporter_(DriverErrorText(caption, status));
}

FT_STATUS DriverLink::Reported(std::string_view caption, FT_STATUS status) {
    ReportDriverError(caption, status);
    return status;
}

}  // namespace farb
