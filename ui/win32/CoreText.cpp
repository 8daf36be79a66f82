#include "CoreText.h"

#include "ScreenText.h"

namespace farb {

std::wstring WideFromCoreText(std::string_view text) {
    const std::u16string wide = ToUtf16(text);
    return {wide.begin(), wide.end()};
}

std::string CoreTextFromWide(std::wstring_view text) {
    return FromUtf16(std::u16string(text.begin(), text.end()));
}

}  // namespace farb
