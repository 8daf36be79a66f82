#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "LampCommandReading.h"
#include "SimulatedDriver.h"

namespace farb {

enum class VirtualLampKind {
    AnsweringTextLamp,  // "Luma-Glanz", answers the version query
    BinaryLamp,         // "TTL232R"
    SilentTextLamp,     // "Luma-Glanz" that never answers
};

// The one lamp of the demo: plugs into the simulated driver and keeps what the program last told
// it, as the lamp would show it.
class VirtualLamp {
  public:
    using ChangeListener = std::function<void()>;

    explicit VirtualLamp(SimulatedDriver& driver);

    // Plugging in starts afresh: no command received yet.
    void Plug(VirtualLampKind kind);
    void Unplug();
    void SetChangeListener(ChangeListener listener);

    bool Plugged() const { return deviceId_.has_value(); }
    VirtualLampKind Kind() const { return kind_; }
    std::string_view Description() const;
    std::string_view SerialNumber() const;
    int CommandCount() const { return commandCount_; }
    const std::vector<std::uint8_t>& LastCommand() const { return lastCommand_; }
    // The last colour command the lamp understood; none before the first.
    const std::optional<LampCommandReading>& ShownColour() const { return shownColour_; }
    // Whether the lamp understood the last command.
    bool LastCommandUnderstood() const { return lastUnderstood_; }

  private:
    void Receive(std::span<const std::uint8_t> bytes);
    void Changed();

    SimulatedDriver& driver_;
    VirtualLampKind kind_ = VirtualLampKind::AnsweringTextLamp;
    std::optional<int> deviceId_;
    int commandCount_ = 0;
    std::vector<std::uint8_t> lastCommand_;
    std::optional<LampCommandReading> shownColour_;
    bool lastUnderstood_ = true;
    ChangeListener onChange_;
};

}  // namespace farb
