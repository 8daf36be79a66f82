#pragma once

#include <QString>
#include <string_view>

#include "ScreenText.h"

namespace farb::qt {

// The core's texts are bytes of the Windows code page; they become QString here and nowhere else.
inline QString FromCoreText(std::string_view text) {
    const std::u16string wide = ToUtf16(text);
    return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

}  // namespace farb::qt
