#include "SimulatedDriver.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace farb {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kColourCommandLength = 7;

}  // namespace

std::string_view OperationName(DriverOperation operation) {
    switch (operation) {
        case DriverOperation::CountDevices:
            return "CountDevices";
        case DriverOperation::DeviceDescription:
            return "DeviceDescription";
        case DriverOperation::DeviceSerialNumber:
            return "DeviceSerialNumber";
        case DriverOperation::OpenBySerialNumber:
            return "OpenBySerialNumber";
        case DriverOperation::Close:
            return "Close";
        case DriverOperation::SetBaudRate:
            return "SetBaudRate";
        case DriverOperation::SetDataCharacteristics:
            return "SetDataCharacteristics";
        case DriverOperation::SetTimeouts:
            return "SetTimeouts";
        case DriverOperation::GetQueueStatus:
            return "GetQueueStatus";
        case DriverOperation::Write:
            return "Write";
        case DriverOperation::Read:
            return "Read";
    }
    return "?";
}

std::string Describe(const DriverCall& call) {
    std::string text(OperationName(call.operation));
    std::string arguments = call.serial;
    if (call.operation == DriverOperation::Write) {
        for (const std::uint8_t byte : call.bytes) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%02X", byte);
            if (!arguments.empty()) {
                arguments += ' ';
            }
            arguments += hex;
        }
    } else {
        for (const std::uint32_t number : call.numbers) {
            if (!arguments.empty()) {
                arguments += ',';
            }
            arguments += std::to_string(number);
        }
    }
    if (!arguments.empty()) {
        text += "(" + arguments + ")";
    }
    if (call.status != FT_OK) {
        text += " -> " + std::to_string(call.status);
    }
    return text;
}

int SimulatedDriver::Plug(SimulatedLamp lamp) {
    const int id = nextDeviceId_++;
    devices_[id].lamp = std::move(lamp);
    pluggedInOrder_.push_back(id);
    return id;
}

int SimulatedDriver::Plug(std::string description, std::string serialNumber, LampKind kind) {
    return Plug(SimulatedLamp{std::move(description), std::move(serialNumber), kind});
}

void SimulatedDriver::Unplug(int deviceId) {
    std::erase(pluggedInOrder_, deviceId);
    if (auto found = devices_.find(deviceId); found != devices_.end()) {
        found->second.plugged = false;
    }
}

void SimulatedDriver::QueueAnswer(int deviceId, std::string_view bytes) {
    auto& queue = devices_.at(deviceId).answerQueue;
    queue.insert(queue.end(), bytes.begin(), bytes.end());
}

void SimulatedDriver::FailCall(DriverOperation operation, FT_STATUS status, int times,
                               int passing) {
    failures_.push_back({operation, status, times, passing});
}

void SimulatedDriver::ClearFailures() {
    failures_.clear();
}

void SimulatedDriver::SetWriteListener(WriteListener listener) {
    writeListener_ = std::move(listener);
}

void SimulatedDriver::SetRecording(bool on) {
    recording_ = on;
}

void SimulatedDriver::ClearRecord() {
    calls_.clear();
    for (auto& [id, device] : devices_) {
        device.received.clear();
    }
}

std::vector<std::string> SimulatedDriver::CallLog() const {
    std::vector<std::string> log;
    for (const DriverCall& call : calls_) {
        log.push_back(Describe(call));
    }
    return log;
}

const std::vector<std::uint8_t>& SimulatedDriver::BytesReceivedBy(int deviceId) const {
    return devices_.at(deviceId).received;
}

FT_STATUS SimulatedDriver::CountDevices(std::uint32_t& count) {
    const FT_STATUS status = InjectedStatus(DriverOperation::CountDevices);
    if (status == FT_OK) {
        count = static_cast<std::uint32_t>(pluggedInOrder_.size());
    }
    return Record(DriverOperation::CountDevices, {}, status);
}

FT_STATUS SimulatedDriver::DeviceDescription(std::uint32_t index, std::string& out) {
    FT_STATUS status = InjectedStatus(DriverOperation::DeviceDescription);
    if (status == FT_OK) {
        const Device* device = PluggedDeviceAt(index);
        status = device ? FT_OK : FT_DEVICE_NOT_FOUND;
        if (device) {
            out = device->lamp.description;
        }
    }
    return Record(DriverOperation::DeviceDescription, {index}, status);
}

FT_STATUS SimulatedDriver::DeviceSerialNumber(std::uint32_t index, std::string& out) {
    FT_STATUS status = InjectedStatus(DriverOperation::DeviceSerialNumber);
    if (status == FT_OK) {
        const Device* device = PluggedDeviceAt(index);
        status = device ? FT_OK : FT_DEVICE_NOT_FOUND;
        if (device) {
            out = device->lamp.serialNumber;
        }
    }
    return Record(DriverOperation::DeviceSerialNumber, {index}, status);
}

FT_STATUS SimulatedDriver::OpenBySerialNumber(std::string_view serial, FT_HANDLE& handle) {
    FT_STATUS status = InjectedStatus(DriverOperation::OpenBySerialNumber);
    if (status == FT_OK) {
        const auto id = std::ranges::find_if(pluggedInOrder_, [&](int candidate) {
            return devices_.at(candidate).lamp.serialNumber == serial;
        });
        if (id == pluggedInOrder_.end()) {
            status = FT_DEVICE_NOT_FOUND;
        } else if (Device& device = devices_.at(*id);
                   device.open || device.lamp.kind == LampKind::Unopenable) {
            status = FT_DEVICE_NOT_OPENED;
        } else {
            device.open = true;
            handle = reinterpret_cast<FT_HANDLE>(nextHandle_++);
            handles_[handle] = *id;
        }
    }
    return Record(DriverOperation::OpenBySerialNumber, {}, status, serial);
}

FT_STATUS SimulatedDriver::Close(FT_HANDLE handle) {
    FT_STATUS status = InjectedStatus(DriverOperation::Close);
    if (const auto open = handles_.find(handle); open != handles_.end()) {
        devices_.at(open->second).open = false;
        handles_.erase(open);
    } else if (status == FT_OK) {
        status = FT_INVALID_HANDLE;
    }
    return Record(DriverOperation::Close, {}, status);
}

FT_STATUS SimulatedDriver::SetBaudRate(FT_HANDLE handle, std::uint32_t baudRate) {
    FT_STATUS status = InjectedStatus(DriverOperation::SetBaudRate);
    Device* device = nullptr;
    if (status == FT_OK) {
        status = DeviceOfHandle(handle, device);
    }
    return Record(DriverOperation::SetBaudRate, {baudRate}, status);
}

FT_STATUS SimulatedDriver::SetDataCharacteristics(FT_HANDLE handle, std::uint8_t bits,
                                                  std::uint8_t stop, std::uint8_t parity) {
    FT_STATUS status = InjectedStatus(DriverOperation::SetDataCharacteristics);
    Device* device = nullptr;
    if (status == FT_OK) {
        status = DeviceOfHandle(handle, device);
    }
    return Record(DriverOperation::SetDataCharacteristics, {bits, stop, parity}, status);
}

FT_STATUS SimulatedDriver::SetTimeouts(FT_HANDLE handle, std::uint32_t readMs,
                                       std::uint32_t writeMs) {
    FT_STATUS status = InjectedStatus(DriverOperation::SetTimeouts);
    Device* device = nullptr;
    if (status == FT_OK) {
        status = DeviceOfHandle(handle, device);
    }
    return Record(DriverOperation::SetTimeouts, {readMs, writeMs}, status);
}

FT_STATUS SimulatedDriver::GetQueueStatus(FT_HANDLE handle, std::uint32_t& rxBytes) {
    FT_STATUS status = InjectedStatus(DriverOperation::GetQueueStatus);
    Device* device = nullptr;
    if (status == FT_OK) {
        status = DeviceOfHandle(handle, device);
    }
    if (status == FT_OK) {
        rxBytes = static_cast<std::uint32_t>(device->answerQueue.size());
    }
    return Record(DriverOperation::GetQueueStatus, {}, status);
}

FT_STATUS SimulatedDriver::Write(FT_HANDLE handle, const std::uint8_t* bytes, std::uint32_t count,
                                 std::uint32_t& written) {
    FT_STATUS status = InjectedStatus(DriverOperation::Write);
    Device* device = nullptr;
    if (status == FT_OK) {
        status = DeviceOfHandle(handle, device);
    }
    const std::span<const std::uint8_t> sent(bytes, count);
    if (status == FT_OK) {
        written = count;
        TakeBytes(*device, sent);
    }
    return Record(DriverOperation::Write, {count}, status, {},
                  status == FT_OK ? sent : std::span<const std::uint8_t>());
}

FT_STATUS SimulatedDriver::Read(FT_HANDLE handle, std::uint8_t* bytes, std::uint32_t count,
                                std::uint32_t& returned) {
    FT_STATUS status = InjectedStatus(DriverOperation::Read);
    Device* device = nullptr;
    if (status == FT_OK) {
        status = DeviceOfHandle(handle, device);
    }
    std::span<const std::uint8_t> delivered;
    if (status == FT_OK) {
        auto& queue = device->answerQueue;
        returned = std::min<std::uint32_t>(count, static_cast<std::uint32_t>(queue.size()));
        std::copy_n(queue.begin(), returned, bytes);
        queue.erase(queue.begin(), queue.begin() + returned);
        delivered = std::span<const std::uint8_t>(bytes, returned);
    }
    return Record(DriverOperation::Read, {count}, status, {}, delivered);
}

FT_STATUS SimulatedDriver::InjectedStatus(DriverOperation operation) {
    const auto failure = std::ranges::find(failures_, operation, &Failure::operation);
    if (failure == failures_.end()) {
        return FT_OK;
    }
    if (failure->passing > 0) {
        --failure->passing;
        return FT_OK;
    }
    const FT_STATUS status = failure->status;
    if (failure->times != kAlways && --failure->times <= 0) {
        failures_.erase(failure);
    }
    return status;
}

FT_STATUS SimulatedDriver::Record(DriverOperation operation,
                                  std::initializer_list<std::uint32_t> numbers, FT_STATUS status,
                                  std::string_view serial, std::span<const std::uint8_t> bytes) {
    if (recording_) {
        calls_.push_back({operation, numbers, std::string(serial),
                          std::vector<std::uint8_t>(bytes.begin(), bytes.end()), status});
    }
    return status;
}

SimulatedDriver::Device* SimulatedDriver::PluggedDeviceAt(std::uint32_t index) {
    if (index >= pluggedInOrder_.size()) {
        return nullptr;
    }
    return &devices_.at(pluggedInOrder_[index]);
}

// A lamp pulled out while open leaves its handle valid but every transfer failing.
FT_STATUS SimulatedDriver::DeviceOfHandle(FT_HANDLE handle, Device*& device) {
    const auto open = handles_.find(handle);
    if (open == handles_.end()) {
        return FT_INVALID_HANDLE;
    }
    device = &devices_.at(open->second);
    return device->plugged ? FT_OK : FT_IO_ERROR;
}

void SimulatedDriver::TakeBytes(Device& device, std::span<const std::uint8_t> bytes) {
    if (recording_) {
        device.received.insert(device.received.end(), bytes.begin(), bytes.end());
    }
    if (writeListener_) {
        writeListener_(device.lamp.serialNumber, bytes);
    }
    if (device.lamp.kind != LampKind::TextLamp) {
        return;
    }
    device.lineSoFar.append(bytes.begin(), bytes.end());
    std::size_t end;
    while ((end = device.lineSoFar.find(kLineEnd)) != std::string::npos) {
        AnswerLine(device, std::string_view(device.lineSoFar).substr(0, end));
        device.lineSoFar.erase(0, end + kLineEnd.size());
    }
}

void SimulatedDriver::AnswerLine(Device& device, std::string_view line) {
    auto& queue = device.answerQueue;
    if (line == "VER") {
        queue.insert(queue.end(), device.lamp.versionAnswer.begin(),
                     device.lamp.versionAnswer.end());
    } else if (line.size() == kColourCommandLength && line.front() == 'C') {
        queue.insert(queue.end(), device.lamp.colourAnswer.begin(), device.lamp.colourAnswer.end());
    }
}

}  // namespace farb
