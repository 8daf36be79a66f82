#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace farb::testing {

// The time the emulated chips live in: it moves only when the chip's latency timer runs out on
// an empty read or when the test sleeps, so nothing depends on the speed of the machine.
// Read by the program under test and moved by the USB thread of the emulator, hence atomic.
class EmulatedClock {
  public:
    std::chrono::steady_clock::time_point Now() const {
        return std::chrono::steady_clock::time_point(std::chrono::milliseconds(elapsedMs_.load()));
    }
    void Advance(std::chrono::milliseconds by) { elapsedMs_ += by.count(); }

  private:
    std::atomic<std::int64_t> elapsedMs_{0};
};

enum class LampKind {
    Text,     // answers the version query at 115200 8N2
    Binary,   // listens at 9600 8N2, never answers
    Mute,     // a text lamp that never answers
    LineEnd,  // a text lamp that answers with CR LF only
};

// What the chip sent on the wire at one line setting, e.g. "115200 8N2".
struct WireSegment {
    std::string line;
    std::vector<std::uint8_t> bytes;
    bool operator==(const WireSegment&) const = default;
};

// An FT232R as libftdi1 sees it over USB, with a lamp on its serial side. The vendor requests
// set the line; bulk OUT goes on the wire at that line; bulk IN returns 64-byte packets of two
// modem-status bytes and at most 62 data bytes, or the status alone once the 16 ms latency timer
// runs out with nothing to send.
class Ft232rLamp {
  public:
    static constexpr std::size_t kPacketSize = 64;
    static constexpr std::chrono::milliseconds kLatency{16};
    // The text lamps answer this long after the line end of a command.
    static constexpr std::chrono::milliseconds kAnswerDelay{150};

    // The strings are those of the chip's EEPROM; a chip without a serial number has none.
    struct Strings {
        std::string product;
        std::optional<std::string> serial;
    };

    Ft232rLamp(LampKind kind, Strings strings, EmulatedClock& clock)
        : kind_(kind), strings_(std::move(strings)), clock_(clock) {}

    // A control transfer: the 8-byte setup packet and, for an OUT request, its data. Returns the
    // data of an IN request, an empty vector for an OUT one, nothing for a request the chip
    // stalls.
    std::optional<std::vector<std::uint8_t>> Control(std::span<const std::uint8_t, 8> setup);
    void BulkOut(std::span<const std::uint8_t> bytes);
    std::vector<std::uint8_t> BulkIn(std::size_t length);

    const Strings& EepromStrings() const { return strings_; }
    // Every control transfer in the order the chip got it: "reset", "baud 9600", "data 8N2",
    // "string 3", ...
    const std::vector<std::string>& Requests() const { return requests_; }
    const std::vector<WireSegment>& Wire() const { return wire_; }
    std::string LineSetting() const;
    // The bytes the lamp understood: those sent at its own line setting.
    const std::vector<std::uint8_t>& Heard() const { return heard_; }
    void ClearRecord();

  private:
    std::optional<std::vector<std::uint8_t>> StringDescriptor(std::uint8_t index) const;
    std::string VendorRequest(std::uint8_t request, std::uint16_t value, std::uint16_t index);
    bool ListensAtLine() const;
    void TakeLampByte(std::uint8_t byte);

    LampKind kind_;
    Strings strings_;
    EmulatedClock& clock_;
    std::uint32_t baud_ = 9600;
    std::uint16_t data_ = 8;  // 8N1 after a reset
    std::uint8_t latency_ = static_cast<std::uint8_t>(kLatency.count());
    std::vector<std::string> requests_;
    std::vector<WireSegment> wire_;
    std::vector<std::uint8_t> heard_;
    std::string lampLine_;
    struct Pending {
        std::chrono::steady_clock::time_point due;
        std::uint8_t byte;
    };
    std::deque<Pending> toHost_;
};

// The rate the FT232R runs at for a baud-rate request: 3 MHz over a divisor with a fraction in
// eighths, coded in bits 14-15 of the value and bit 0 of the index.
std::uint32_t Ft232rBaudRate(std::uint16_t value, std::uint16_t index);

}  // namespace farb::testing
