#pragma once

#include <string>
#include <string_view>

namespace farb {

// The core's texts are bytes in the Windows code page 1252: Latin-1, and in 0x80-0x9F the few
// punctuation marks Latin-1 lacks (the tooltips' em dash is 0x97). Front ends show them as
// UTF-16, converted here and nowhere else.
std::u16string ToUtf16(std::string_view text);

}  // namespace farb
