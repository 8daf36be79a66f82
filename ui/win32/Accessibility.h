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
// Makes `control`, a text control of the window's own, speak `text` (Latin-1) without the focus
// moving: the text becomes its name, marked as a live region, polite or assertive, and the
// change is raised as a live-region event, which NVDA and Narrator speak.
void AnnounceInLiveRegion(HWND control, std::string_view text, bool assertive);
// Tells a screen reader that the selected item of `list` has the focus, where the list has it
// and an item is selected: Windows' own list does so on its native navigation, Wine's never.
void TellSelectedItem(HWND list);
// Undoes what the live region set on `control`; for its WM_DESTROY.
void ClearLiveRegion(HWND control);

}  // namespace farb
