#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "LampLink.h"
#include "SimulatedDriver.h"

namespace farb::testing {

// The lamp link wired to a simulated driver, with the error reports and the scans recorded, and
// the sleeps and text exchanges in one timeline beside the driver calls; an exchange is noted as
// the window takes it, its poll timer off for the exchange and on again after it.
class LampRig {
  public:
    SimulatedDriver driver;
    std::vector<std::string> reports;
    std::vector<LampScan> scans;
    LampLink lamp{
        driver,
        {.onDriverError = [this](const std::string& text) { reports.push_back(text); },
         .onScan = [this](const LampScan& scan) { scans.push_back(scan); },
         .sleep =
             [this](std::chrono::milliseconds wait) {
                 Note("Sleep(" + std::to_string(wait.count()) + "ms)");
             },
         .onTextExchange =
             [this](bool underway) { Note(underway ? "PollTimer(off)" : "PollTimer(on)"); }}};
    DriverLink& link = lamp.link;
    LampDiscovery& discovery = lamp.discovery;
    LampCommands& commands = lamp.commands;

    // The driver calls with the sleeps and poll-timer switches in the places they happened.
    std::vector<std::string> Timeline() const {
        const std::vector<std::string> calls = driver.CallLog();
        std::vector<std::string> timeline;
        std::size_t nextEvent = 0;
        for (std::size_t call = 0; call <= calls.size(); ++call) {
            while (nextEvent < events_.size() && events_[nextEvent].first == call) {
                timeline.push_back(events_[nextEvent++].second);
            }
            if (call < calls.size()) {
                timeline.push_back(calls[call]);
            }
        }
        return timeline;
    }

    void ClearRecord() {
        driver.ClearRecord();
        events_.clear();
        reports.clear();
        scans.clear();
    }

    std::string Received(int deviceId) const {
        const auto& bytes = driver.BytesReceivedBy(deviceId);
        return std::string(bytes.begin(), bytes.end());
    }

  private:
    void Note(std::string event) { events_.emplace_back(driver.Calls().size(), std::move(event)); }

    std::vector<std::pair<std::size_t, std::string>> events_;
};

}  // namespace farb::testing
