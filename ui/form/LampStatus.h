#pragma once

#include <optional>
#include <string>

#include "FormFrontEnd.h"
#include "LampLink.h"

namespace farb {

// What the window makes of the lamp link's reports, and when it looks for the lamp: the status
// box with its tooltip, the driver's error boxes, and the poll timer, which is off while a text
// exchange waits for the lamp's answer and starts a fresh period after it.
class LampStatus {
  public:
    // Listens to `link` from now on.
    LampStatus(FormFrontEnd& frontEnd, LampLink& link);
    // The link may outlive the window; it reports to nobody then.
    ~LampStatus();
    LampStatus(const LampStatus&) = delete;
    LampStatus& operator=(const LampStatus&) = delete;

    void SetItems();
    void SetPollTimer(bool on);
    bool PollTimerOn() const { return pollTimerOn_; }
    // Timer2 expired: a discovery, unless a treatment runs.
    void Poll(bool treatmentTimerOn);
    // One discovery, with the status box and its tooltip brought up to date.
    void Discover();
    // A lamp that is found but does not open still shows "USB"; the tooltip says why it stays
    // dark. Sent only when it changed.
    void ShowOpenFailure();
    // Whether the last scan found a lamp; unknown before the first.
    std::optional<bool> LampFound() const { return found_; }

  private:
    void ShowScan(const LampScan& scan);

    FormFrontEnd& frontEnd_;
    LampLink& link_;
    bool pollTimerOn_ = false;
    std::string openFailureHint_;
    std::optional<bool> found_;
};

}  // namespace farb
