#include "ScreenText.h"

#include <algorithm>
#include <iterator>

namespace farb {
namespace {

// 0x80-0x9F of code page 1252; its five unassigned bytes keep their C1 control code points.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

std::u16string ToUtf16(std::string_view text) {
    std::u16string wide;
    wide.reserve(text.size());
    for (const char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        wide += byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : char16_t{byte};
    }
    return wide;
}

std::string FromUtf16(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const char16_t unit : text) {
        const auto* high = std::ranges::find(kWindows1252High, unit);
        if (high != std::end(kWindows1252High)) {
            bytes += static_cast<char>(0x80 + (high - std::begin(kWindows1252High)));
        } else if (unit <= 0xFF && (unit < 0x80 || unit >= 0xA0)) {
            bytes += static_cast<char>(unit);
        } else {
            bytes += kNotInCatalogue;
        }
    }
    return bytes;
}

}  // namespace farb
