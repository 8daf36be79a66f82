#pragma once

#include <string>
#include <string_view>

namespace farb {

// The form speaks Latin-1, whose bytes are the first 256 code points of UTF-16.
std::wstring WideFromLatin1(std::string_view text);
// The Latin-1 character a typed UTF-16 unit stands for, 0 where Latin-1 has none.
char Latin1FromWide(wchar_t unit);

}  // namespace farb
