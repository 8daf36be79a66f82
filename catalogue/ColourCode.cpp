#include "ColourCode.h"

#include <iterator>

namespace farb {
namespace {

struct ColourWord {
    std::string_view word;
    ColourCode code;
};

// "orane" and "mangenta" are misspellings the catalogue has always carried.
constexpr ColourWord kColourWords[] = {
    {"rot", kColourRed},
    {"gr\xFCn", kColourGreen},
    {"Gr\xFCn", kColourGreen},
    {"blau", kColourBlue},
    {"weiss", kColourWhite},
    {"orange", kColourOrange},
    {"orane", kColourOrange},
    {"t\xFCrkis", kColourTurquoise},
    {"gelbgr\xFCn", kColourTurquoise},
    {"violett", kColourViolet},
    {"gelb", kColourYellow},
    {"Gelb", kColourYellow},
    {"mangenta", kColourMagenta},
    {"magenta", kColourMagenta},
    {"rotviolett", kColourMagenta},
    {"Indigo", kColourIndigo},
    {"indigo", kColourIndigo},
};

constexpr std::string_view kColourNames[] = {
    "rot",     "gr\xFCn", "blau", "wei\xDF", "orange", "t\xFCrkis",
    "violett", "gelb",    "pink", "magenta", "aus",    "indigo",
};

}  // namespace

ColourCode ColourCodeOfWord(std::string_view word) {
    if (word.empty()) {
        return kColourUninterpretable;
    }
    for (const ColourWord& entry : kColourWords) {
        // The first byte settles most mismatches without a call to memcmp.
        if (entry.word.front() == word.front() && entry.word == word) {
            return entry.code;
        }
    }
    return kColourUninterpretable;
}

std::string_view GermanColourName(ColourCode code) {
    if (code < 1 || code > static_cast<ColourCode>(std::size(kColourNames))) {
        return "ohne Namen";
    }
    return kColourNames[code - 1];
}

}  // namespace farb
