#pragma once

#include <string>
#include <string_view>

namespace farb {

// The core's texts are bytes in the Windows code page 1252: Latin-1, and in 0x80-0x9F the few
// punctuation marks Latin-1 lacks (the tooltips' em dash is 0x97). Front ends show them as
// UTF-16, converted here and nowhere else.
std::u16string ToUtf16(std::string_view text);

// What the operator typed, back in the core's bytes: each unit ToUtf16 makes of a byte becomes
// that byte again; any other becomes kNotInCatalogue, so that it matches no programme.
std::string FromUtf16(std::u16string_view text);

// DEL, which no line of the catalogue holds.
inline constexpr char kNotInCatalogue = '\x7F';

}  // namespace farb
