#pragma once

#include <string>
#include <string_view>

namespace farb {

// The form's texts are bytes of the Windows code page 1252; the window shows them as UTF-16.
std::wstring WideFromCoreText(std::string_view text);
// What the operator typed, as the core's bytes.
std::string CoreTextFromWide(std::wstring_view text);

}  // namespace farb
