#pragma once

#include <windows.h>

#include "SearchChoice.h"

namespace farb {

using ProgrammeFinderFunction = SearchChoice::Finder;

// "Programm suchen", a German dialog resource drawn from SearchChoice: a text field and below it
// the programmes found for what it holds, updated as the operator types. Up, Down and the page
// keys in the field move through the list; Enter, a double click or "Auswählen" choose, Escape or
// "Abbrechen" change nothing. The chosen programme's entry, -1 for none.
int AskForProgramme(HWND owner, ProgrammeFinderFunction find);

}  // namespace farb
