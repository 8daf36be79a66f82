#pragma once

#include <windows.h>

#include <string>

#include "Scenarios.h"

namespace farb::inspect {

// Plays `scenario` against the program's window `main`, freshly opened at `dpi` with its lamp
// found, whose fake ftd2xx.dll logs to `log`; each mismatch fails a check.
void CheckScenario(HWND main, const std::string& log, int dpi,
                   const conformance::Scenario& scenario);

}  // namespace farb::inspect
