#pragma once

#include <windows.h>

#include <string_view>

namespace farb {

// Gives `control` the name screen readers announce (Latin-1), where its window text is not
// that name; an empty name leaves it alone.
void NameForAssistiveTechnology(HWND control, std::string_view name);
// Gives `control`, or its item `child` (1 for the first; CHILDID_SELF for the control), the
// description screen readers read besides the name; an empty text removes it.
void DescribeForAssistiveTechnology(HWND control, LONG child, std::string_view description);

}  // namespace farb
