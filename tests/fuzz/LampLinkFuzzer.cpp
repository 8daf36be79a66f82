// The lamp link over a driver that answers from the fuzz input: scans, colour commands and text
// exchanges in any order. Nothing may crash, no device may stay open, the command set is always
// 0, 1 or 2, an answer never exceeds the read, and no driver dialog appears once discovery ran.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "FuzzedDriver.h"
#include "LampLink.h"
#include "LampProtocol.h"

namespace farb::fuzz {
namespace {

constexpr int kMostOperations = 64;
constexpr std::size_t kLongestCommand = 70'000;

std::string Command(FuzzedDataProvider& input) {
    if (input.ConsumeBool()) {
        return input.ConsumeRandomLengthString(64);
    }
    // Longer than the output buffer, at times.
    return std::string(input.ConsumeIntegralInRange<std::size_t>(0, kLongestCommand), 'C');
}

}  // namespace
}  // namespace farb::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace farb;
    using fuzz::Check;
    FuzzedDataProvider input(data, size);
    fuzz::FuzzedDriver driver(input);
    bool discoveryRan = false;
    bool pollTimerOn = true;
    LampLink lamp(driver, {.onDriverError =
                               [&](const std::string& text) {
                                   Check(!discoveryRan, "no driver dialog once discovery has run");
                                   Check(!text.empty(), "a dialog has a text");
                               },
                           .onScan =
                               [](const LampScan& scan) {
                                   Check(scan.protocol >= kProtocolUndetermined &&
                                             scan.protocol <= kProtocolText,
                                         "a scan reports one of the command sets");
                                   Check(scan.found || scan.protocol == kProtocolUndetermined,
                                         "no command set without a lamp");
                               },
                           .onTextExchange = [&](bool underway) { pollTimerOn = !underway; }});
    DriverLink& link = lamp.link;
    LampDiscovery& discovery = lamp.discovery;
    LampCommands& commands = lamp.commands;

    for (int operation = 0; operation < fuzz::kMostOperations && input.remaining_bytes() > 0;
         ++operation) {
        switch (input.ConsumeIntegralInRange(0, 3)) {
            case 0:
                discoveryRan = true;
                discovery.ScanForLamp();
                break;
            case 1:
                discoveryRan = true;
                commands.SetLampColour(input.ConsumeIntegral<int>());
                break;
            case 2:
                discoveryRan = true;
                commands.LampOff();
                break;
            default: {
                const std::string answer = commands.SendTextCommand(fuzz::Command(input));
                Check(answer.size() <= LampCommands::kAnswerReadCount, "an answer fits the read");
                Check(answer.find_first_of("\r\n") == std::string::npos,
                      "an answer has no line ends");
            }
        }
        Check(driver.OpenHandleCount() == 0, "no device stays open between commands");
        Check(link.Handle() == nullptr, "the link holds no handle between commands");
        Check(pollTimerOn, "the poll timer is back on after every exchange");
        const int protocol = discovery.LampProtocol();
        Check(protocol == kProtocolUndetermined || protocol == kProtocolBinary ||
                  protocol == kProtocolText,
              "the command set is 0, 1 or 2");
        Check(discovery.LampSerial().size() <= DeviceStringBuffer::kMaxCharacters,
              "the serial kept fits the buffer");
    }
    return 0;
}
