#pragma once

#include <windows.h>

#include <string_view>

namespace farb {

// Gives `control` the name screen readers announce (Latin-1), where its window text is not
// that name; an empty name leaves it alone.
void NameForAssistiveTechnology(HWND control, std::string_view name);

}  // namespace farb
