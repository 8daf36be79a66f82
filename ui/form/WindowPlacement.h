#pragma once

#include "ControlTable.h"

namespace farb {

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// The top left corner of a window `width` × `height` pixels (frame included) centred in the
// screen's work area.
ScreenPoint CentredIn(const Rect& workArea, int width, int height);

// The demo's main window and lamp window, 16 pixels apart at 96 dpi.
inline constexpr int kDemoWindowGap = 16;

struct WindowPair {
    ScreenPoint main;
    ScreenPoint lamp;
    friend bool operator==(const WindowPair&, const WindowPair&) = default;
};

// Side by side at the main window's height, centred as a pair, where the work area is wide
// enough; otherwise the main window stays where it is and the lamp window goes to the top right
// corner of the work area.
WindowPair SideBySide(const Rect& workArea, const Rect& mainFrame, int lampWidth, int gap);

}  // namespace farb
