#include "VirtualLamp.h"

#include <utility>

namespace farb {

namespace {

struct KindDetails {
    std::string_view description;
    std::string_view serialNumber;
    LampKind driverKind;
    CommandSet commandSet;
};

KindDetails DetailsOf(VirtualLampKind kind) {
    switch (kind) {
        case VirtualLampKind::AnsweringTextLamp:
            return {"Luma-Glanz", "VL000001", LampKind::TextLamp, CommandSet::Text};
        case VirtualLampKind::BinaryLamp:
            return {"TTL232R", "VL000002", LampKind::BinaryLamp, CommandSet::Binary};
        case VirtualLampKind::SilentTextLamp:
            return {"Luma-Glanz", "VL000003", LampKind::MuteLamp, CommandSet::Text};
    }
    return {};
}

}  // namespace

VirtualLamp::VirtualLamp(SimulatedDriver& driver) : driver_(driver) {
    driver_.SetWriteListener(
        [this](const std::string&, std::span<const std::uint8_t> bytes) { Receive(bytes); });
}

void VirtualLamp::Plug(VirtualLampKind kind) {
    if (deviceId_) {
        driver_.Unplug(*deviceId_);
    }
    kind_ = kind;
    const KindDetails details = DetailsOf(kind);
    deviceId_ = driver_.Plug(std::string(details.description), std::string(details.serialNumber),
                             details.driverKind);
    commandCount_ = 0;
    lastCommand_.clear();
    shownColour_.reset();
    lastUnderstood_ = true;
    Changed();
}

void VirtualLamp::Unplug() {
    if (!deviceId_) {
        return;
    }
    driver_.Unplug(*deviceId_);
    deviceId_.reset();
    shownColour_.reset();
    Changed();
}

void VirtualLamp::SetChangeListener(ChangeListener listener) {
    onChange_ = std::move(listener);
}

std::string_view VirtualLamp::Description() const {
    return DetailsOf(kind_).description;
}

std::string_view VirtualLamp::SerialNumber() const {
    return DetailsOf(kind_).serialNumber;
}

// The lamp is the driver's only device, so every write is meant for it.
void VirtualLamp::Receive(std::span<const std::uint8_t> bytes) {
    ++commandCount_;
    lastCommand_.assign(bytes.begin(), bytes.end());
    const LampCommandReading reading = ReadLampCommand(DetailsOf(kind_).commandSet, bytes);
    lastUnderstood_ = reading.meaning != CommandMeaning::NotUnderstood;
    if (reading.meaning == CommandMeaning::Colour) {
        shownColour_ = reading;
    }
    Changed();
}

void VirtualLamp::Changed() {
    if (onChange_) {
        onChange_();
    }
}

}  // namespace farb
