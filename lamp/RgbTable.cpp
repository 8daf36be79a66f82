#include "RgbTable.h"

namespace farb {

RgbColour RgbOfCode(ColourCode code) {
    if (code < 1 || code > static_cast<ColourCode>(RgbTable.size())) {
        return RgbTable[kColourOff - 1];
    }
    return RgbTable[code - 1];
}

}  // namespace farb
