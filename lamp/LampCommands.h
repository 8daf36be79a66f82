#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ColourCode.h"
#include "D2XXUnit.h"
#include "LampDiscovery.h"
#include "RgbTable.h"

namespace farb {

// Carries a colour to the lamp in the command set it speaks, opening and closing the lamp for
// every exchange.
class LampCommands {
  public:
    using Sleep = std::function<void(std::chrono::milliseconds)>;
    // Told when a text exchange begins (true) and when it is over (false).
    using ExchangeListener = std::function<void(bool underway)>;

    static constexpr std::uint32_t kBinaryBaudRate = 9600;
    static constexpr std::uint32_t kTextBaudRate = 115200;
    static constexpr std::chrono::milliseconds kReadTimeout{100};
    static constexpr std::chrono::milliseconds kWriteTimeout{100};
    // The text lamps need this long to answer.
    static constexpr std::chrono::milliseconds kAnswerWait{200};
    static constexpr std::uint32_t kAnswerReadCount = 20;

    LampCommands(DriverLink& link, LampDiscovery& discovery, Sleep sleep,
                 ExchangeListener onTextExchange);

    void SetLampColour(ColourCode code);
    void LampOff();
    // The answer is empty when the lamp could not be opened, the write or the read failed, or the
    // lamp sent nothing.
    std::string SendTextCommand(std::string_view command);

  private:
    bool ProbeProtocol();
    void SendBinaryColour(ColourCode code);
    // Nothing when the lamp could not be opened or the write or the read failed.
    std::optional<std::string> TextExchange(std::string_view command);
    std::optional<std::string> ExchangeOnOpenLamp(std::string_view command);
    void TellExchange(bool underway);

    DriverLink& link_;
    LampDiscovery& discovery_;
    Sleep sleep_;
    ExchangeListener onTextExchange_;
};

}  // namespace farb
