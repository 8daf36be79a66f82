#include "FontCache.h"

#include "ControlTable.h"

namespace farb {

HFONT FontCache::At(int designPixels) {
    HFONT& font = fonts_[designPixels];
    if (!font) {
        // A negative height asks for the character height, the pixel size of the table.
        font = CreateFontW(-ScaledToDpi(designPixels, dpi_), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                           FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, family_.c_str());
    }
    return font;
}

}  // namespace farb
