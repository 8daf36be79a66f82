#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "FtDriver.h"

namespace farb {

enum class LampKind {
    TextLamp,    // answers "VER" with its version line and colour commands with its colour answer
    BinaryLamp,  // takes bytes, never answers
    MuteLamp,    // opens and takes bytes, never answers
    Unopenable,  // listed, but every open fails
};

struct SimulatedLamp {
    std::string description;
    std::string serialNumber;
    LampKind kind = LampKind::TextLamp;
    std::string versionAnswer = "LG V2.1\r\n";
    std::string colourAnswer = "OK\r\n";
};

enum class DriverOperation {
    CountDevices,
    DeviceDescription,
    DeviceSerialNumber,
    OpenBySerialNumber,
    Close,
    SetBaudRate,
    SetDataCharacteristics,
    SetTimeouts,
    GetQueueStatus,
    Write,
    Read,
};

std::string_view OperationName(DriverOperation operation);

struct DriverCall {
    DriverOperation operation;
    std::vector<std::uint32_t> numbers;  // index, baud rate, line bytes, timeouts or byte count
    std::string serial;                  // what an open asked for
    std::vector<std::uint8_t> bytes;     // what a write sent or a read returned
    FT_STATUS status = FT_OK;
};

// "SetBaudRate(9600)", "Write(FF 42)", "OpenBySerialNumber(L1) -> 2": the call as a test reads it.
std::string Describe(const DriverCall& call);

// A driver with lamps that exist only in memory. It records every call and every byte a lamp
// receives, answers like the lamp kinds do, and fails any call on request.
class SimulatedDriver : public FtDriver {
  public:
    using WriteListener =
        std::function<void(const std::string& serial, std::span<const std::uint8_t> bytes)>;
    static constexpr int kAlways = -1;

    int Plug(SimulatedLamp lamp);
    int Plug(std::string description, std::string serialNumber, LampKind kind = LampKind::TextLamp);
    void Unplug(int deviceId);
    // Queues bytes for the lamp's next reads, as if it had sent them.
    void QueueAnswer(int deviceId, std::string_view bytes);

    // The next `times` calls of the operation (every call for kAlways) fail with `status`, after
    // `passing` calls of it have gone through. A failed call changes nothing, except that a failed
    // close still releases its handle, as closes of the real drivers do.
    void FailCall(DriverOperation operation, FT_STATUS status, int times = 1, int passing = 0);
    void ClearFailures();

    void SetWriteListener(WriteListener listener);
    // Recording is on at start; benchmarks switch it off so the record does not grow.
    void SetRecording(bool on);
    void ClearRecord();
    const std::vector<DriverCall>& Calls() const { return calls_; }
    std::vector<std::string> CallLog() const;
    const std::vector<std::uint8_t>& BytesReceivedBy(int deviceId) const;
    int OpenHandleCount() const { return static_cast<int>(handles_.size()); }

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
    struct Device {
        SimulatedLamp lamp;
        bool plugged = true;
        bool open = false;
        std::string lineSoFar;
        std::vector<std::uint8_t> answerQueue;
        std::vector<std::uint8_t> received;
    };
    struct Failure {
        DriverOperation operation;
        FT_STATUS status;
        int times;
        int passing;
    };

    FT_STATUS InjectedStatus(DriverOperation operation);
    FT_STATUS Record(DriverOperation operation, std::initializer_list<std::uint32_t> numbers,
                     FT_STATUS status, std::string_view serial = {},
                     std::span<const std::uint8_t> bytes = {});
    Device* PluggedDeviceAt(std::uint32_t index);
    FT_STATUS DeviceOfHandle(FT_HANDLE handle, Device*& device);
    void TakeBytes(Device& device, std::span<const std::uint8_t> bytes);
    void AnswerLine(Device& device, std::string_view line);

    std::map<int, Device> devices_;
    std::vector<int> pluggedInOrder_;
    std::map<FT_HANDLE, int> handles_;
    std::uintptr_t nextHandle_ = 1;
    int nextDeviceId_ = 1;
    std::vector<Failure> failures_;
    std::vector<DriverCall> calls_;
    bool recording_ = true;
    WriteListener writeListener_;
};

}  // namespace farb
