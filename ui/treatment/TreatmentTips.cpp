#include "TreatmentTips.h"

#include "ColourCode.h"
#include "CountdownText.h"

namespace farb {
namespace {

constexpr std::string_view kStepSeparator = " \xB7 ";
constexpr std::string_view kTotalSeparator = " \x97 ";

}  // namespace

std::string MinutesText(std::int64_t minutes) {
    return std::to_string(minutes) + " Min.";
}

int EndOfRun(const MinuteSchedule& schedule, int start) {
    int end = start;
    while (end < std::ssize(schedule) && schedule[end] == schedule[start]) {
        ++end;
    }
    return end;
}

std::string ProgrammeStepsText(const ProgramStepTable& steps, int row) {
    if (row < 0 || row >= steps.ProgramCount()) {
        return {};
    }
    std::string text;
    for (int step = 1; step <= steps.StepCount(row); ++step) {
        const ProgramStep& current = steps.Step(row, step);
        if (step > 1) {
            text += kStepSeparator;
        }
        text += std::string(GermanColourName(current.colour)) + ' ' + MinutesText(current.minutes);
    }
    return text + std::string(kTotalSeparator) + MinutesText(steps.ProgramTotals(row));
}

std::string CountdownTipText(const TreatmentControl& treatment, int row) {
    const TreatmentState state = treatment.State();
    const bool counting = state == TreatmentState::Running || state == TreatmentState::Paused ||
                          state == TreatmentState::Ended;
    if (!counting || row < 0 || row >= treatment.Steps().ProgramCount()) {
        return {};
    }
    const std::int64_t remaining = treatment.RemainingSeconds();
    const std::int64_t elapsed =
        std::int64_t{treatment.Steps().ProgramTotals(row)} * 60 - remaining;
    // The steps of the chosen programme, not the schedule of the last start: Pause before any
    // Start has no schedule yet.
    const MinuteSchedule schedule = ExpandSteps(treatment.Steps(), row);
    if (remaining <= 0 || elapsed < 0 || elapsed / 60 >= std::ssize(schedule)) {
        return "Programm beendet";
    }
    const int minute = static_cast<int>(elapsed / 60);
    const int nextStart = EndOfRun(schedule, minute);
    const std::int64_t stays =
        std::min<std::int64_t>(std::int64_t{nextStart} * 60 - elapsed, remaining);
    std::string text = "jetzt " + std::string(GermanColourName(schedule[minute])) + ", noch " +
                       RemainingTimeText(static_cast<std::int32_t>(stays)) +
                       std::string(kStepSeparator) + "danach ";
    if (nextStart >= std::ssize(schedule) || schedule[nextStart] == kColourOff) {
        return text + "Ende";
    }
    return text + std::string(GermanColourName(schedule[nextStart])) + ", " +
           MinutesText(EndOfRun(schedule, nextStart) - nextStart);
}

}  // namespace farb
