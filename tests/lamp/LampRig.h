#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "D2XXUnit.h"
#include "LampCommands.h"
#include "LampDiscovery.h"
#include "SimulatedDriver.h"

namespace farb::testing {

// The lamp link wired to a simulated driver, with the error reporter, the status box, the sleep
// and the poll timer all recorded in one timeline beside the driver calls.
class LampRig {
  public:
    SimulatedDriver driver;
    std::vector<std::string> reports;
    std::vector<int> statusItems;
    DriverLink link{driver, [this](const std::string& text) { reports.push_back(text); }};
    LampDiscovery discovery{link, [this](int item) { statusItems.push_back(item); }};
    LampCommands commands{link, discovery,
                          [this](std::chrono::milliseconds wait) {
                              Note("Sleep(" + std::to_string(wait.count()) + "ms)");
                          },
                          [this](bool on) { Note(on ? "PollTimer(on)" : "PollTimer(off)"); }};

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
        statusItems.clear();
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
