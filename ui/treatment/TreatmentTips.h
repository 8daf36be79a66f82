#pragma once

#include <cstdint>
#include <string>

#include "ProgramStepTable.h"
#include "TreatmentControl.h"

namespace farb {

// A programme's steps in order and its total, as the programme list's tooltip tells them:
// "gr\xFCn 5 Min. \xB7 gelb 3 Min. \x97 8 Min." (Windows code page: 0xB7 the middle dot, 0x97
// the em dash). Empty for a row the table does not hold.
std::string ProgrammeStepsText(const ProgramStepTable& steps, int row);

// What the lamp shows now and what comes next, from the countdown of the programme in `row`:
// "jetzt gr\xFCn, noch 2:13 \xB7 danach gelb, 3 Min."; "Programm beendet" once the count is 0.
// Empty unless a treatment runs or is paused.
std::string CountdownTipText(const TreatmentControl& treatment, int row);

// "5 Min."
std::string MinutesText(std::int64_t minutes);
// The first minute from `start` on whose colour differs from that of `start`: where the colour
// lit at `start` ends.
int EndOfRun(const MinuteSchedule& schedule, int start);

}  // namespace farb
