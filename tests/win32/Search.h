#pragma once

#include <windows.h>

namespace farb::inspect {

// Ctrl+F and the magnifier open "Programm suchen"; typing filters, Enter chooses, Escape leaves.
void CheckSearch(HWND main);

}  // namespace farb::inspect
