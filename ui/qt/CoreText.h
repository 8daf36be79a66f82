#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "ScreenText.h"

namespace farb::qt {

// The core's texts are bytes of the Windows code page; they become QString here and nowhere else.
inline QString FromCoreText(std::string_view text) {
    const std::u16string wide = ToUtf16(text);
    return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

// What the operator typed, as the core's bytes.
inline std::string CoreTextFrom(const QString& text) {
    return FromUtf16(
        {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())});
}

}  // namespace farb::qt
