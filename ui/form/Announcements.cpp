#include "Announcements.h"

#include "ColourCode.h"
#include "CountdownText.h"
#include "FormTexts.h"
#include "TreatmentTips.h"

namespace farb {
namespace {

bool Underway(TreatmentState state) {
    return state == TreatmentState::Running || state == TreatmentState::Paused ||
           state == TreatmentState::Ended;
}

// Where the colour lit at `minute` began: a run is the minutes in a row that share one colour.
int RunStart(const MinuteSchedule& schedule, int minute) {
    while (minute > 0 && schedule[minute - 1] == schedule[minute]) {
        --minute;
    }
    return minute;
}

std::string_view ColourName(const MinuteSchedule& schedule, int minute) {
    return GermanColourName(schedule[minute]);
}

const std::string& Name(const ProgrammeNames& programmes, int row) {
    return programmes.names[row];
}

std::string Remaining(const HeardState& heard) {
    return RemainingTimeText(heard.remainingSeconds);
}

// "jetzt rot, 5 Min., noch 10:00", the moment a colour begins.
std::string NewColour(const HeardState& heard, const ProgrammeNames& programmes) {
    const MinuteSchedule schedule = ExpandSteps(programmes.steps, heard.programme);
    const int start = heard.colourRun;
    return "jetzt " + std::string(ColourName(schedule, start)) + ", " +
           MinutesText(EndOfRun(schedule, start) - start) + ", noch " + Remaining(heard);
}

// "jetzt rot, danach orange 5 Min." or "jetzt rot, danach Ende".
std::string ColoursNowAndNext(const HeardState& heard, const ProgrammeNames& programmes) {
    const MinuteSchedule schedule = ExpandSteps(programmes.steps, heard.programme);
    const int next = EndOfRun(schedule, heard.colourRun);
    std::string text = "jetzt " + std::string(ColourName(schedule, heard.colourRun)) + ", danach ";
    if (next >= std::ssize(schedule) || schedule[next] == kColourOff) {
        return text + "Ende";
    }
    return text + std::string(ColourName(schedule, next)) + " " +
           MinutesText(EndOfRun(schedule, next) - next);
}

std::optional<Announcement> TreatmentNews(const HeardState& before, const HeardState& after,
                                          const ProgrammeNames& programmes) {
    const bool wasUnderway = Underway(before.state);
    if (after.programme != before.programme && after.state == TreatmentState::Ready &&
        programmes.Holds(after.programme)) {
        const std::string chosen = Name(programmes, after.programme) + ", " +
                                   MinutesText(programmes.steps.ProgramTotals(after.programme));
        return Announcement{wasUnderway ? std::string(kSpokenStopped) + ". " + chosen : chosen};
    }
    if (!programmes.Holds(after.programme)) {
        return wasUnderway && !Underway(after.state)
                   ? std::optional<Announcement>{{std::string(kSpokenStopped)}}
                   : std::nullopt;
    }
    const std::string& name = Name(programmes, after.programme);
    if (after.state == TreatmentState::Running && before.state != TreatmentState::Running) {
        return Announcement{std::string(kSpokenStarted) + name + ", noch " + Remaining(after)};
    }
    if (before.state == TreatmentState::Running && after.state == TreatmentState::Paused) {
        return Announcement{std::string(kSpokenPausedAt) + Remaining(after)};
    }
    if (before.state == TreatmentState::Running && after.state == TreatmentState::Ended) {
        // A programme of 0 minutes has no end to call, as it has no notification.
        return before.remainingSeconds > 0
                   ? std::optional<Announcement>{{std::string(kSpokenEnded) + name, true}}
                   : std::nullopt;
    }
    if (wasUnderway && !Underway(after.state)) {
        return Announcement{std::string(kSpokenStopped)};
    }
    if (before.state == TreatmentState::Running && after.state == TreatmentState::Running &&
        after.colourRun != before.colourRun && after.colourRun >= 0) {
        return Announcement{NewColour(after, programmes)};
    }
    return std::nullopt;
}

}  // namespace

bool ProgrammeNames::Holds(int row) const {
    return row >= 0 && row < steps.ProgramCount() && row < std::ssize(names);
}

HeardState Hear(const TreatmentControl& treatment, int programme, std::optional<bool> lampFound) {
    HeardState heard;
    heard.state = treatment.State();
    heard.remainingSeconds = treatment.RemainingSeconds();
    heard.lampFound = lampFound;
    const ProgramStepTable& steps = treatment.Steps();
    if (programme < 0 || programme >= steps.ProgramCount()) {
        return heard;
    }
    heard.programme = programme;
    if (heard.state == TreatmentState::Running || heard.state == TreatmentState::Paused) {
        const std::int64_t elapsed =
            std::int64_t{steps.ProgramTotals(programme)} * 60 - heard.remainingSeconds;
        const std::int64_t minute = elapsed / 60;
        if (elapsed >= 0 && minute < TreatmentControl::kScheduleMinutes) {
            heard.colourRun = RunStart(ExpandSteps(steps, programme), static_cast<int>(minute));
        }
    }
    return heard;
}

std::vector<Announcement> AnnouncementsBetween(const HeardState& before, const HeardState& after,
                                               const ProgrammeNames& programmes) {
    std::vector<Announcement> said;
    if (std::optional<Announcement> news = TreatmentNews(before, after, programmes)) {
        said.push_back(std::move(*news));
    }
    if (before.lampFound && after.lampFound && *before.lampFound != *after.lampFound) {
        said.push_back({std::string(*after.lampFound ? kSpokenLampFound : kSpokenLampLost)});
    }
    return said;
}

Announcement StateOnRequest(const HeardState& heard, const ProgrammeNames& programmes) {
    if (!programmes.Holds(heard.programme) || heard.state == TreatmentState::NothingChosen) {
        return {std::string(kSpokenNothingChosen), true};
    }
    const std::string& name = Name(programmes, heard.programme);
    switch (heard.state) {
        case TreatmentState::Ready:
            return {name + ", " + std::string(kSpokenReady) + ", " +
                        TotalTimeText(programmes.steps.ProgramTotals(heard.programme)),
                    true};
        case TreatmentState::Ended:
            return {name + ", " + std::string(kSpokenFinished), true};
        default:
            break;
    }
    std::string text =
        name + ", " +
        std::string(heard.state == TreatmentState::Running ? kSpokenRunning : kSpokenPaused) +
        ", noch " + Remaining(heard);
    if (heard.colourRun >= 0) {
        text += ", " + ColoursNowAndNext(heard, programmes);
    }
    return {text, true};
}

}  // namespace farb
