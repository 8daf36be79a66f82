#include "Latin1.h"

namespace farb {

std::wstring WideFromLatin1(std::string_view text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (const char byte : text) {
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
    }
    return wide;
}

char Latin1FromWide(wchar_t unit) {
    return unit <= 0xFF ? static_cast<char>(unit) : 0;
}

}  // namespace farb
