#include "TreatmentControl.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "CountdownText.h"

namespace farb {
namespace {

std::int32_t SaturatedSeconds(std::int32_t minutes) {
    const std::int64_t seconds = std::int64_t{minutes} * 60;
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(seconds, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

MinuteSchedule ExpandSteps(const ProgramStepTable& steps, int row) {
    MinuteSchedule schedule;
    schedule.fill(kColourOff);
    if (row < 0) {
        return schedule;
    }
    // A negative step moves the start of the next step back, as the minutes add up.
    std::int64_t start = 0;
    for (int step = 1; step <= steps.StepCount(row); ++step) {
        const ProgramStep& current = steps.Step(row, step);
        const std::int64_t end = start + current.minutes;
        const auto colour = static_cast<std::uint8_t>(current.colour);
        for (std::int64_t minute = std::max<std::int64_t>(start, 0);
             minute < std::min<std::int64_t>(end, std::ssize(schedule)); ++minute) {
            schedule[minute] = colour;
        }
        start = end;
    }
    return schedule;
}

TreatmentControl::TreatmentControl(TherapyCatalogue catalogue, TreatmentView& view,
                                   TreatmentTimer& timer, TreatmentLamp& lamp)
    : catalogue_(catalogue), view_(view), timer_(timer), lamp_(lamp) {
    schedule_.fill(kColourOff);
}

void TreatmentControl::FillProgramList(int categoryIndex) {
    std::vector<std::string> names;
    // A new list has no programme selected.
    chosenRow_ = -1;
    try {
        steps_.FillProgramList(catalogue_, categoryIndex, fields_, names);
    } catch (...) {
        view_.ShowProgramList(names);
        throw;
    }
    view_.ShowProgramList(names);
}

void TreatmentControl::SelectCategory(int categoryIndex) {
    FillProgramList(categoryIndex);
    view_.SetTimeText("");
    timer_.SetTreatmentTimer(false);
    lamp_.LampOff();
    view_.SetStatusText(kStatusChoose);
    state_ = TreatmentState::NothingChosen;
}

void TreatmentControl::SelectProgram(int row) {
    chosenRow_ = row;
    row = SelectedRow();
    if (row < 0) {
        return;
    }
    const std::int32_t total = steps_.ProgramTotals(row);
    view_.SetTimeText(TotalTimeText(total));
    remainingSeconds_ = SaturatedSeconds(total);
    timer_.SetTreatmentTimer(false);
    lamp_.LampOff();
    view_.SetStatusText(kStatusDuration);
    state_ = TreatmentState::Ready;
}

void TreatmentControl::StopTreatment() {
    if (SelectedRow() < 0 && state_ != TreatmentState::NothingChosen) {
        // A category change that failed half way leaves no programme to return to; Stop still
        // ends the treatment, and the window shows that nothing is chosen.
        view_.SetTimeText("");
        timer_.SetTreatmentTimer(false);
        lamp_.LampOff();
        view_.SetStatusText(kStatusChoose);
        state_ = TreatmentState::NothingChosen;
        return;
    }
    SelectProgram(chosenRow_);
}

void TreatmentControl::StartTreatment() {
    if (state_ == TreatmentState::NothingChosen) {
        return;
    }
    timer_.SetTreatmentTimer(true);
    BuildMinuteSchedule(SelectedRow());
    view_.SetStatusText(kStatusRemaining);
    if (state_ != TreatmentState::Ended) {
        state_ = TreatmentState::Running;
    }
}

void TreatmentControl::PauseTreatment() {
    timer_.SetTreatmentTimer(false);
    lamp_.LampOff();
    if (state_ != TreatmentState::NothingChosen) {
        view_.SetStatusText(kStatusPause);
        state_ = TreatmentState::Paused;
    }
}

void TreatmentControl::Tick() {
    const bool lastSecond = remainingSeconds_ == 1;
    if (remainingSeconds_ > 0) {
        --remainingSeconds_;
    }
    view_.SetTimeText(RemainingTimeText(remainingSeconds_));
    if (remainingSeconds_ == 0) {
        state_ = TreatmentState::Ended;
    }
    lamp_.SetLampColour(ColourOfElapsedMinute(SelectedRow()));
    if (lastSecond) {
        view_.AskForAttention();
    }
}

void TreatmentControl::CloseTreatment() {
    if (state_ == TreatmentState::Running || state_ == TreatmentState::Paused ||
        state_ == TreatmentState::Ended) {
        timer_.SetTreatmentTimer(false);
        lamp_.LampOff();
    }
}

void TreatmentControl::BuildMinuteSchedule(int row) {
    schedule_ = ExpandSteps(steps_, row);
}

int TreatmentControl::SelectedRow() const {
    return chosenRow_ >= 0 && chosenRow_ < steps_.ProgramCount() ? chosenRow_ : -1;
}

ColourCode TreatmentControl::ColourOfElapsedMinute(int row) const {
    if (row < 0) {
        return kColourOff;
    }
    const std::int64_t elapsedSeconds =
        std::int64_t{steps_.ProgramTotals(row)} * 60 - remainingSeconds_;
    const std::int64_t elapsedMinute = elapsedSeconds / 60;
    if (elapsedMinute < 0 || elapsedMinute >= kScheduleMinutes) {
        return kColourOff;
    }
    return schedule_[elapsedMinute];
}

}  // namespace farb
