#include "LampCommands.h"

#include <algorithm>
#include <utility>

#include "LampProtocol.h"
#include "LampWireFormat.h"

namespace farb {

LampCommands::LampCommands(DriverLink& link, LampDiscovery& discovery, Sleep sleep,
                           ExchangeListener onTextExchange)
    : link_(link),
      discovery_(discovery),
      sleep_(std::move(sleep)),
      onTextExchange_(std::move(onTextExchange)) {}

void LampCommands::SetLampColour(ColourCode code) {
    discovery_.ScanForLamp();
    if (discovery_.LampProtocol() == kProtocolUndetermined && !ProbeProtocol()) {
        return;
    }
    if (discovery_.LampProtocol() == kProtocolBinary) {
        SendBinaryColour(code);
    } else {
        SendTextCommand(TextColourCommand(code));
    }
}

void LampCommands::LampOff() {
    SetLampColour(kColourOff);
}

std::string LampCommands::SendTextCommand(std::string_view command) {
    return TextExchange(command).value_or(std::string());
}

// A lamp that cannot be opened, or a query whose write or read failed, says nothing about the
// command set: deciding "binary" then would drive a text lamp with binary commands for the rest of
// the treatment. The colour is dropped and the next command asks again.
bool LampCommands::ProbeProtocol() {
    const std::optional<std::string> answer = TextExchange(kVersionQuery);
    if (!answer) {
        return false;
    }
    discovery_.SetLampProtocol(answer->empty() ? kProtocolBinary : kProtocolText);
    return true;
}

void LampCommands::SendBinaryColour(ColourCode code) {
    if (link_.Open_USB_Device_By_Serial_Number(discovery_.LampSerial()) != FT_OK) {
        return;
    }
    link_.SetBaudRate(kBinaryBaudRate);
    link_.SetDataCharacteristics(FT_BITS_8, FT_STOP_BITS_2, FT_PARITY_NONE);
    const auto command = BinaryColourCommand(code);
    std::ranges::copy(command, link_.OutputBuffer().begin());
    link_.Write(command.size());
    link_.Close();
}

std::optional<std::string> LampCommands::TextExchange(std::string_view command) {
    TellExchange(true);
    std::optional<std::string> answer;
    if (link_.Open_USB_Device_By_Serial_Number(discovery_.LampSerial()) == FT_OK) {
        answer = ExchangeOnOpenLamp(command);
    }
    TellExchange(false);
    return answer;
}

std::optional<std::string> LampCommands::ExchangeOnOpenLamp(std::string_view command) {
    link_.SetBaudRate(kTextBaudRate);
    link_.SetTimeouts(kReadTimeout.count(), kWriteTimeout.count());
    link_.SetDataCharacteristics(FT_BITS_8, FT_STOP_BITS_2, FT_PARITY_NONE);

    const auto output = link_.OutputBuffer();
    command = command.substr(0, output.size() - kLineEnd.size());
    auto end = std::ranges::copy(command, output.begin()).out;
    std::ranges::copy(kLineEnd, end);
    link_.Write(command.size() + kLineEnd.size());
    const bool sent = link_.IoStatus() == FT_OK;

    if (sleep_) {
        sleep_(kAnswerWait);
    }
    link_.GetQueueStatus();
    const std::uint32_t received = link_.Read(kAnswerReadCount);
    const bool heard = link_.IoStatus() == FT_OK;
    std::string answer = AnswerText(link_.InputBuffer().first(received));
    link_.Close();
    if (!sent || !heard) {
        return std::nullopt;
    }
    return answer;
}

void LampCommands::TellExchange(bool underway) {
    if (onTextExchange_) {
        onTextExchange_(underway);
    }
}

}  // namespace farb
