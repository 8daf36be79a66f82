#include "TreatmentSignals.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "FormTexts.h"
#include "TreatmentTips.h"

namespace farb {

void TreatmentSignals::Show(const TreatmentControl& treatment, int row, bool closed) {
    ShowCountdownTip(treatment, row);
    const TreatmentState state = closed ? TreatmentState::NothingChosen : treatment.State();
    ShowProgress(treatment, state, row);
    KeepAwake(state);
}

void TreatmentSignals::ShowCountdownTip(const TreatmentControl& treatment, int row) {
    std::string tip = CountdownTipText(treatment, row);
    if (!tip.empty()) {
        tip += kStateKeyHint;
    }
    if (tip != countdownTip_) {
        countdownTip_ = tip;
        frontEnd_.SetToolTip(ControlId::lt, tip);
    }
}

void TreatmentSignals::ShowProgress(const TreatmentControl& treatment, TreatmentState state,
                                    int row) {
    const bool chosen = row >= 0 && row < treatment.Steps().ProgramCount();
    const std::int64_t total = chosen ? std::int64_t{treatment.Steps().ProgramTotals(row)} * 60 : 0;
    TreatmentProgress progress;
    if ((state == TreatmentState::Running || state == TreatmentState::Paused) && total > 0 &&
        total <= std::numeric_limits<int>::max()) {
        progress.state =
            state == TreatmentState::Running ? ProgressState::Running : ProgressState::Paused;
        progress.totalSeconds = static_cast<int>(total);
        progress.elapsedSeconds = static_cast<int>(
            std::clamp<std::int64_t>(total - treatment.RemainingSeconds(), 0, total));
    }
    if (progress != progress_) {
        progress_ = progress;
        frontEnd_.ShowProgress(progress);
    }
}

void TreatmentSignals::KeepAwake(TreatmentState state) {
    const bool awake = state == TreatmentState::Running;
    if (awake != keptAwake_) {
        keptAwake_ = awake;
        frontEnd_.KeepAwake(awake);
    }
}

}  // namespace farb
