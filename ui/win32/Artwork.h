#pragma once

#include <windows.h>

#include "ControlTable.h"

namespace farb {

// The background artwork, scaled to the screen's resolution, on a bitmap the size of the client
// area; where the picture does not reach, or cannot be decoded, the plain background colour.
// Every transparent control paints its piece of it through the pattern brush.
class Artwork {
  public:
    Artwork() = default;
    Artwork(const Artwork&) = delete;
    Artwork& operator=(const Artwork&) = delete;
    ~Artwork();

    void Render(HINSTANCE instance, int dpi);
    // Fills `area` of `child` (or of the client area when child is null) with the artwork under it.
    void PaintBehind(HDC dc, HWND child, const RECT& area) const;
    // Prepares `dc` of `child` so the child's own background fill shows the artwork.
    HBRUSH BrushBehind(HDC dc, HWND child) const;

  private:
    void Release();

    HBITMAP bitmap_ = nullptr;
    HBRUSH brush_ = nullptr;
};

}  // namespace farb
