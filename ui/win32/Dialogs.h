#pragma once

#include <windows.h>

#include <string_view>

namespace farb {

// The boxes come from German dialog resources, so their buttons read "OK" and "Abbrechen"
// whatever language Windows speaks. Texts are Latin-1.
bool ConfirmNoticeBox(HWND owner);
void ShowErrorBox(HWND owner, std::string_view title, std::string_view text);
void ShowInformationBox(HWND owner, std::string_view title, std::string_view text);

}  // namespace farb
