#pragma once

#include <windows.h>

#include <functional>
#include <string_view>
#include <vector>

#include "ProgrammeFinder.h"

namespace farb {

using ProgrammeFinderFunction = std::function<std::vector<FoundProgramme>(std::string_view)>;

// "Programm suchen", a German dialog resource: a text field and below it the programmes found
// for what it holds, updated as the operator types. Up and Down in the field move through the
// list; Enter, a double click or "Auswählen" choose, Escape or "Abbrechen" change nothing. The
// chosen programme's entry, -1 for none.
int AskForProgramme(HWND owner, ProgrammeFinderFunction find);

}  // namespace farb
