#include "CoreText.h"

#include "ScreenText.h"

namespace farb {

std::wstring WideFromCoreText(std::string_view text) {
    const std::u16string wide = ToUtf16(text);
    return {wide.begin(), wide.end()};
}

char CoreCharacterFromWide(wchar_t unit) {
    // Latin-1's printable range; the code page's punctuation is never typed into a list.
    return unit <= 0xFF && (unit < 0x80 || unit >= 0xA0) ? static_cast<char>(unit) : 0;
}

}  // namespace farb
