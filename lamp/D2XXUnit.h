#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "DeviceStringBuffer.h"
#include "FtDriver.h"

namespace farb {

// The driver access layer: one device handle, fixed buffers and a wrapper per driver call that
// reports a failing status while error reports are enabled.
class DriverLink {
  public:
    static constexpr std::size_t kBufferSize = 32768;
    using ErrorReporter = std::function<void(const std::string& text)>;

    DriverLink(FtDriver& driver, ErrorReporter errorReporter);

    FT_STATUS GetFTDeviceCount();
    FT_STATUS GetFTDeviceSerialNo(std::uint32_t index);
    FT_STATUS GetFTDeviceDescription(std::uint32_t index);
    FT_STATUS Open_USB_Device_By_Serial_Number(std::string_view serial);
    FT_STATUS Close();
    FT_STATUS SetBaudRate(std::uint32_t baudRate);
    FT_STATUS SetDataCharacteristics(std::uint8_t bits, std::uint8_t stop, std::uint8_t parity);
    FT_STATUS SetTimeouts(std::uint32_t readMs, std::uint32_t writeMs);
    FT_STATUS GetQueueStatus();
    // Write and Read return the number of bytes moved (0 after a failure); the status is
    // IoStatus().
    std::uint32_t Write(std::uint32_t count);
    std::uint32_t Read(std::uint32_t count);

    void ReportDriverError(std::string_view caption, FT_STATUS status);

    bool ErrorReportEnabled() const { return errorReportEnabled_; }
    void SetErrorReportEnabled(bool enabled) { errorReportEnabled_ = enabled; }

    FT_HANDLE Handle() const { return handle_; }
    FT_STATUS IoStatus() const { return ioStatus_; }
    // None after a successful open, otherwise the cause of the last failed one.
    OpenFailure LastOpenFailure() const { return lastOpenFailure_; }
    std::uint32_t DeviceCount() const { return deviceCount_; }
    const std::string& DeviceString() const { return deviceString_; }
    std::span<std::uint8_t> OutputBuffer() { return outputBuffer_; }
    std::span<const std::uint8_t> InputBuffer() const { return inputBuffer_; }

  private:
    FT_STATUS Reported(std::string_view caption, FT_STATUS status);
    FT_STATUS TakeDeviceString(std::string_view caption, FT_STATUS status, const std::string& text);

    FtDriver& driver_;
    ErrorReporter errorReporter_;
    bool errorReportEnabled_ = true;

    FT_HANDLE handle_ = nullptr;
    FT_STATUS ioStatus_ = FT_OK;
    OpenFailure lastOpenFailure_ = OpenFailure::None;
    std::uint32_t deviceCount_ = 0;
    DeviceStringBuffer deviceStringBuffer_;
    std::string deviceString_;
    std::vector<std::uint8_t> inputBuffer_ = std::vector<std::uint8_t>(kBufferSize);
    std::vector<std::uint8_t> outputBuffer_ = std::vector<std::uint8_t>(kBufferSize);
    std::uint32_t receiveQueueCount_ = 0;
    std::uint32_t baudRate_ = 0;
    std::uint8_t dataBits_ = 0;
    std::uint8_t stopBits_ = 0;
    std::uint8_t parity_ = 0;
};

}  // namespace farb
