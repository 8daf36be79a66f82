#pragma once

#include <windows.h>

#include "ControlTable.h"

namespace farb {

// The background artwork, scaled to the screen's resolution, on a bitmap the size of the client
// area; where the picture does not reach, or cannot be decoded, the plain background colour.
// Every control that lets the artwork show through paints its piece of it from here.
class Artwork {
  public:
    Artwork() = default;
    Artwork(const Artwork&) = delete;
    Artwork& operator=(const Artwork&) = delete;
    ~Artwork();

    // From the next Render on, the demo's mark is drawn into the header.
    void ShowDemoMark() { demoMark_ = true; }
    void Render(HINSTANCE instance, int dpi);
    // Fills `area` of `child` (of the client area when child is null) with the artwork under it.
    void PaintBehind(HDC dc, HWND child, const RECT& area) const;

  private:
    void Release();

    HDC memory_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ original_ = nullptr;
    bool demoMark_ = false;
};

}  // namespace farb
