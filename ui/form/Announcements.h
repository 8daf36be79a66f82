#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "FormFrontEnd.h"
#include "ProgramStepTable.h"
#include "TreatmentControl.h"

namespace farb {

// The treatment as its operator hears of it, taken after every event.
struct HeardState {
    TreatmentState state = TreatmentState::NothingChosen;
    int programme = -1;  // the chosen row of the step table, -1 for none
    std::int32_t remainingSeconds = 0;
    int colourRun = -1;  // the first minute of the colour lit now, while it runs or is paused
    std::optional<bool> lampFound;  // unknown before the first scan

    bool operator==(const HeardState&) const = default;
};

// The programmes of the chosen category: their steps and the names the list shows.
struct ProgrammeNames {
    const ProgramStepTable& steps;
    const std::vector<std::string>& names;

    bool Holds(int row) const;
};

HeardState Hear(const TreatmentControl& treatment, int programme, std::optional<bool> lampFound);

// What changed from `before` to `after` that the operator must be told, the treatment's news
// first and the lamp's after it; never every second of the countdown.
std::vector<Announcement> AnnouncementsBetween(const HeardState& before, const HeardState& after,
                                               const ProgrammeNames& programmes);

// F2: the programme, its state, the time left and the colours now and next.
Announcement StateOnRequest(const HeardState& heard, const ProgrammeNames& programmes);

}  // namespace farb
