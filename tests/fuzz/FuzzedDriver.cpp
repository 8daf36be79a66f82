#include "FuzzedDriver.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "D2XXUnit.h"
#include "DeviceStringBuffer.h"
#include "FuzzCheck.h"

namespace farb::fuzz {
namespace {

// Mostly success, so that exchanges get far; otherwise every failure the interface names and two
// it does not.
constexpr std::uint8_t kSuccessBelow = 192;
constexpr FT_STATUS kFailures[] = {
    FT_INVALID_HANDLE,
    FT_DEVICE_NOT_FOUND,
    FT_DEVICE_NOT_OPENED,
    FT_IO_ERROR,
    FT_INSUFFICIENT_RESOURCES,
    FT_INVALID_PARAMETER,
    FT_INVALID_BAUD_RATE,
    FT_FAILED_TO_WRITE_DEVICE,
    FT_NOT_SUPPORTED,
    FT_OTHER_ERROR,
    0xDEAD,
    0xFFFFFFFF,
};
// Each device string costs a little; a scan of more devices than this tells nothing new.
constexpr std::uint32_t kMostDevices = 24;
constexpr std::size_t kLongestString = 70'000;

}  // namespace

FT_STATUS FuzzedDriver::Status() {
    const auto pick = input_.ConsumeIntegral<std::uint8_t>();
    return pick < kSuccessBelow ? FT_OK : kFailures[pick % std::size(kFailures)];
}

std::string FuzzedDriver::DeviceString() {
    switch (input_.ConsumeIntegralInRange(0, 5)) {
        case 0:
            return "Luma-Glanz";
        case 1:
            return "TTL232R";
        case 2:
            // "KZ", ten bytes, the model letter "V", nine bytes: a KZ lamp if no byte is missing.
            return "KZ" + input_.ConsumeBytesAsString(10) + "V" + input_.ConsumeBytesAsString(9);
        case 3:
            return "Luma-Glanz" + input_.ConsumeRandomLengthString(100);
        case 4: {
            const auto length = input_.ConsumeIntegralInRange<std::size_t>(
                DeviceStringBuffer::kMaxCharacters, kLongestString);
            return std::string(length, static_cast<char>(input_.ConsumeIntegral<std::uint8_t>()));
        }
        default:
            return input_.ConsumeRandomLengthString(200);
    }
}

void FuzzedDriver::RequireOpen(FT_HANDLE handle, const char* call) const {
    if (!open_.contains(handle)) {
        Check(false, call);
    }
}

// A failing list call may still have scribbled on its out-parameter; the link must ignore that.
FT_STATUS FuzzedDriver::CountDevices(std::uint32_t& count) {
    const FT_STATUS status = Status();
    count = input_.ConsumeIntegralInRange<std::uint32_t>(0, kMostDevices);
    return status;
}

FT_STATUS FuzzedDriver::DeviceDescription(std::uint32_t, std::string& out) {
    const FT_STATUS status = Status();
    if (status == FT_OK || input_.ConsumeBool()) {
        out = DeviceString();
    }
    return status;
}

FT_STATUS FuzzedDriver::DeviceSerialNumber(std::uint32_t, std::string& out) {
    const FT_STATUS status = Status();
    if (status == FT_OK || input_.ConsumeBool()) {
        out = DeviceString();
    }
    return status;
}

FT_STATUS FuzzedDriver::OpenBySerialNumber(std::string_view serial, FT_HANDLE& handle) {
    Check(open_.empty(), "no device stays open when the next one is opened");
    Check(serial.size() <= DeviceStringBuffer::kMaxCharacters, "the serial fits the link's buffer");
    const FT_STATUS status = Status();
    if (status == FT_OK) {
        handle = reinterpret_cast<FT_HANDLE>(nextHandle_++);
        open_.insert(handle);
    } else if (input_.ConsumeBool()) {
        handle = reinterpret_cast<FT_HANDLE>(0xBAD);
    }
    return status;
}

// A close releases the handle whatever it answers.
FT_STATUS FuzzedDriver::Close(FT_HANDLE handle) {
    RequireOpen(handle, "close of a handle that is not open");
    open_.erase(handle);
    return Status();
}

FT_STATUS FuzzedDriver::SetBaudRate(FT_HANDLE handle, std::uint32_t) {
    RequireOpen(handle, "baud rate on a handle that is not open");
    return Status();
}

FT_STATUS FuzzedDriver::SetDataCharacteristics(FT_HANDLE handle, std::uint8_t, std::uint8_t,
                                               std::uint8_t) {
    RequireOpen(handle, "data characteristics on a handle that is not open");
    return Status();
}

FT_STATUS FuzzedDriver::SetTimeouts(FT_HANDLE handle, std::uint32_t, std::uint32_t) {
    RequireOpen(handle, "timeouts on a handle that is not open");
    return Status();
}

FT_STATUS FuzzedDriver::GetQueueStatus(FT_HANDLE handle, std::uint32_t& rxBytes) {
    RequireOpen(handle, "queue query on a handle that is not open");
    rxBytes = input_.ConsumeIntegral<std::uint32_t>();
    return Status();
}

// Every byte handed over is read, so a buffer shorter than the count shows under the sanitizer.
FT_STATUS FuzzedDriver::Write(FT_HANDLE handle, const std::uint8_t* bytes, std::uint32_t count,
                              std::uint32_t& written) {
    RequireOpen(handle, "write on a handle that is not open");
    Check(count <= DriverLink::kBufferSize, "a write fits the output buffer");
    const std::vector<std::uint8_t> sent(bytes, bytes + count);
    written = input_.ConsumeBool() ? count : input_.ConsumeIntegral<std::uint32_t>();
    return Status();
}

// The whole buffer the count promises is written to, and the number returned may be a lie.
FT_STATUS FuzzedDriver::Read(FT_HANDLE handle, std::uint8_t* bytes, std::uint32_t count,
                             std::uint32_t& returned) {
    RequireOpen(handle, "read on a handle that is not open");
    Check(count <= DriverLink::kBufferSize, "a read fits the input buffer");
    std::fill_n(bytes, count, std::uint8_t{0xA5});
    const std::vector<std::uint8_t> answer =
        input_.ConsumeBytes<std::uint8_t>(input_.ConsumeIntegralInRange<std::uint32_t>(0, count));
    std::ranges::copy(answer, bytes);
    returned = input_.ConsumeBool() ? static_cast<std::uint32_t>(answer.size())
                                    : input_.ConsumeIntegral<std::uint32_t>();
    return Status();
}

}  // namespace farb::fuzz
