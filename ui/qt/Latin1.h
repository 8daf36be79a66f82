#pragma once

#include <QString>
#include <string_view>

namespace farb::qt {

// The core's texts are Latin-1 bytes; they become QString here and nowhere else.
inline QString FromLatin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace farb::qt
