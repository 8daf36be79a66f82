#pragma once

#include <array>
#include <cstdint>

#include "LineFields.h"
#include "ProgramStepTable.h"
#include "TherapyCatalogue.h"
#include "TreatmentPorts.h"

namespace farb {

inline constexpr const char* kStatusChoose = "Bitte w\xE4hlen Sie";
inline constexpr const char* kStatusDuration = "Behandlungsdauer";
inline constexpr const char* kStatusRemaining = "Restdauer";
inline constexpr const char* kStatusPause = "Pause";

// Where the operator's treatment stands; the window shows it through the two texts.
enum class TreatmentState {
    NothingChosen,  // no time text, kStatusChoose
    Ready,          // the programme's total, kStatusDuration
    Running,        // the countdown, kStatusRemaining
    Paused,         // the time left, kStatusPause
    Ended,          // 0:00, kStatusRemaining, and the lamp is told "off" every second
};

using MinuteSchedule = std::array<ColourCode, 1001>;

// Row `row`'s steps minute by minute: entry m is the colour of treatment minute m, off where no
// step covers it; a step of 0 or fewer minutes covers none.
MinuteSchedule ExpandSteps(const ProgramStepTable& steps, int row);

// The operator's treatment: programme choice, countdown, and the colour of the current minute.
class TreatmentControl {
  public:
    static constexpr int kScheduleMinutes = std::tuple_size_v<farb::MinuteSchedule>;

    TreatmentControl(TherapyCatalogue catalogue, TreatmentView& view, TreatmentTimer& timer,
                     TreatmentLamp& lamp);

    // Fills the programme list for a category without touching the treatment (window start-up).
    // A faulty minutes field throws ConversionError after the list shows the names up to it.
    void FillProgramList(int categoryIndex);

    // The operator chose a category, or the programme in `row` of the programme list (-1 for
    // none); the treatment keeps that row until the next choice.
    void SelectCategory(int categoryIndex);
    void SelectProgram(int row);
    void StartTreatment();
    void PauseTreatment();
    void StopTreatment();
    void Tick();
    // The window is closing: a running or paused treatment leaves the lamp dark.
    void CloseTreatment();

    void BuildMinuteSchedule(int row);

    TreatmentState State() const { return state_; }
    std::int32_t RemainingSeconds() const { return remainingSeconds_; }
    const farb::MinuteSchedule& MinuteSchedule() const { return schedule_; }
    const ProgramStepTable& Steps() const { return steps_; }

  private:
    // The chosen programme row, or -1 when the choice names no full row.
    int SelectedRow() const;
    ColourCode ColourOfElapsedMinute(int row) const;

    TherapyCatalogue catalogue_;
    TreatmentView& view_;
    TreatmentTimer& timer_;
    TreatmentLamp& lamp_;
    LineFields fields_;
    ProgramStepTable steps_;
    TreatmentState state_ = TreatmentState::NothingChosen;
    int chosenRow_ = -1;
    std::int32_t remainingSeconds_ = 0;
    farb::MinuteSchedule schedule_{};
};

}  // namespace farb
