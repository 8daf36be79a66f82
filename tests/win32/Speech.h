#pragma once

#include <windows.h>

#include <string>

namespace farb::inspect {

// Each control has its German name for a reader outside the program.
void CheckAccessibleNames(HWND main);
// A treatment driven by keys alone while a hook outside the program records what a reader is
// told; `unplugged` is the file whose existence pulls the fake lamp's cable.
void CheckSpokenTreatment(HWND main, const std::string& unplugged);

}  // namespace farb::inspect
