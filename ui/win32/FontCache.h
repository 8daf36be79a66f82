#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace farb {

// The window's fonts at one resolution, by their pixel size at 96 dpi, made when first asked for
// and deleted with the cache.
class FontCache {
  public:
    FontCache(std::wstring family, int dpi) : family_(std::move(family)), dpi_(dpi) {}
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;
    FontCache(FontCache&& other) noexcept { *this = std::move(other); }
    FontCache& operator=(FontCache&& other) noexcept {
        std::swap(family_, other.family_);
        std::swap(dpi_, other.dpi_);
        std::swap(fonts_, other.fonts_);
        return *this;
    }
    ~FontCache() {
        for (const auto& [pixels, font] : fonts_) {
            DeleteObject(font);
        }
    }

    HFONT At(int designPixels);

  private:
    std::wstring family_;
    int dpi_ = 96;
    std::map<int, HFONT> fonts_;
};

}  // namespace farb
