#include "Ft232rLamp.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace farb::testing {

namespace {

constexpr std::uint8_t kVendorOut = 0x40;
constexpr std::uint8_t kVendorIn = 0xC0;
// CTS and DSR up, then an empty transmitter.
constexpr std::array<std::uint8_t, 2> kModemStatus{0x31, 0x60};

// "8N2": data bits in bits 0-7, parity in 8-10, stop bits in 11-12.
std::string DataName(std::uint16_t data) {
    constexpr std::string_view kParity = "NOEMS";
    constexpr std::array<std::string_view, 3> kStop{"1", "1.5", "2"};
    const unsigned parity = (data >> 8) & 0x7;
    const unsigned stop = (data >> 11) & 0x3;
    return std::to_string(data & 0xFF) + (parity < kParity.size() ? kParity[parity] : '?') +
           std::string(stop < kStop.size() ? kStop[stop] : "?");
}

}  // namespace

std::uint32_t Ft232rBaudRate(std::uint16_t value, std::uint16_t index) {
    constexpr std::array<double, 8> kEighths{0, 0.5, 0.25, 0.125, 0.375, 0.625, 0.75, 0.875};
    const unsigned whole = value & 0x3FFF;
    const unsigned fraction = (value >> 14) | ((index & 1u) << 2);
    if (whole == 0 && fraction == 0) {
        return 3000000;
    }
    if (whole == 1 && fraction == 0) {
        return 2000000;
    }
    return static_cast<std::uint32_t>(std::lround(3000000.0 / (whole + kEighths[fraction])));
}

std::optional<std::vector<std::uint8_t>> Ft232rLamp::Control(
    std::span<const std::uint8_t, 8> setup) {
    const std::uint8_t type = setup[0];
    const std::uint8_t request = setup[1];
    const auto value = static_cast<std::uint16_t>(setup[2] | setup[3] << 8);
    const auto index = static_cast<std::uint16_t>(setup[4] | setup[5] << 8);
    if (type == 0x80 && request == 0x06 && setup[3] == 0x03) {
        requests_.push_back("string " + std::to_string(setup[2]));
        return StringDescriptor(setup[2]);
    }
    if (type == kVendorOut) {
        requests_.push_back(VendorRequest(request, value, index));
        return std::vector<std::uint8_t>();
    }
    if (type == kVendorIn && request == 0x05) {
        requests_.push_back("modem status");
        return std::vector<std::uint8_t>(kModemStatus.begin(), kModemStatus.end());
    }
    if (type == kVendorIn && request == 0x0A) {
        requests_.push_back("get latency");
        return std::vector<std::uint8_t>{latency_};
    }
    requests_.push_back("stalled " + std::to_string(type) + "/" + std::to_string(request));
    return std::nullopt;
}

// Index 0 lists the languages (US English), 1 to 3 are manufacturer, product and serial in
// UTF-16LE.
std::optional<std::vector<std::uint8_t>> Ft232rLamp::StringDescriptor(std::uint8_t index) const {
    if (index == 0) {
        return std::vector<std::uint8_t>{4, 0x03, 0x09, 0x04};
    }
    const std::optional<std::string> text = index == 1   ? std::optional<std::string>("FTDI")
                                            : index == 2 ? strings_.product
                                            : index == 3 ? strings_.serial
                                                         : std::nullopt;
    if (!text) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> descriptor{static_cast<std::uint8_t>(2 + 2 * text->size()), 0x03};
    for (const char c : *text) {
        descriptor.push_back(static_cast<std::uint8_t>(c));
        descriptor.push_back(0);
    }
    return descriptor;
}

std::string Ft232rLamp::VendorRequest(std::uint8_t request, std::uint16_t value,
                                      std::uint16_t index) {
    switch (request) {
        case 0x00:
            if (value == 0) {
                // A reset empties both buffers and puts the line back to 8N1.
                toHost_.clear();
                data_ = 8;
                return "reset";
            }
            if (value == 1 || value == 2) {
                toHost_.clear();
                return "purge";
            }
            return "reset " + std::to_string(value);
        case 0x01:
            return "modem control";
        case 0x02:
            return "flow control";
        case 0x03:
            baud_ = Ft232rBaudRate(value, index);
            return "baud " + std::to_string(baud_);
        case 0x04:
            data_ = value;
            return "data " + DataName(data_);
        case 0x09:
            latency_ = static_cast<std::uint8_t>(value);
            return "latency " + std::to_string(latency_);
        default:
            return "vendor " + std::to_string(request);
    }
}

std::string Ft232rLamp::LineSetting() const {
    return std::to_string(baud_) + " " + DataName(data_);
}

void Ft232rLamp::BulkOut(std::span<const std::uint8_t> bytes) {
    if (wire_.empty() || wire_.back().line != LineSetting()) {
        wire_.push_back({LineSetting(), {}});
    }
    wire_.back().bytes.insert(wire_.back().bytes.end(), bytes.begin(), bytes.end());
    if (!ListensAtLine()) {
        return;
    }
    heard_.insert(heard_.end(), bytes.begin(), bytes.end());
    for (const std::uint8_t byte : bytes) {
        TakeLampByte(byte);
    }
}

// Within 3 % of the lamp's rate, 8 data bits, no parity, 2 stop bits.
bool Ft232rLamp::ListensAtLine() const {
    const double rate = kind_ == LampKind::Binary ? 9600.0 : 115200.0;
    return std::abs(baud_ - rate) <= rate * 0.03 && data_ == (8 | 2 << 11);
}

void Ft232rLamp::TakeLampByte(std::uint8_t byte) {
    if (kind_ == LampKind::Binary || kind_ == LampKind::Mute) {
        return;
    }
    lampLine_ += static_cast<char>(byte);
    if (!lampLine_.ends_with("\r\n")) {
        return;
    }
    std::string answer;
    if (lampLine_ == "VER\r\n") {
        answer = kind_ == LampKind::Text ? "LG-V2.07\r\n" : "\r\n";
    }
    lampLine_.clear();
    const auto due = clock_.Now() + kAnswerDelay;
    for (const char c : answer) {
        toHost_.push_back({due, static_cast<std::uint8_t>(c)});
    }
}

std::vector<std::uint8_t> Ft232rLamp::BulkIn(std::size_t length) {
    std::vector<std::uint8_t> packets;
    auto ready = [&] { return !toHost_.empty() && toHost_.front().due <= clock_.Now(); };
    if (!ready()) {
        clock_.Advance(std::chrono::milliseconds(latency_));
    }
    do {
        if (packets.size() + kModemStatus.size() > length) {
            break;
        }
        packets.insert(packets.end(), kModemStatus.begin(), kModemStatus.end());
        std::size_t inPacket = 0;
        while (ready() && inPacket < kPacketSize - 2 && packets.size() < length) {
            packets.push_back(toHost_.front().byte);
            toHost_.pop_front();
            ++inPacket;
        }
    } while (ready());
    return packets;
}

void Ft232rLamp::ClearRecord() {
    requests_.clear();
    wire_.clear();
    heard_.clear();
}

}  // namespace farb::testing
