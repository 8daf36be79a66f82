#pragma once

#include <windows.h>

namespace farb {

// Per-monitor aware, in the newest mode this Windows grants.
void BecomeDpiAware();
int WindowDpi(HWND window);
// The window rectangle around a client area of the given size.
SIZE FrameSize(int clientWidth, int clientHeight, DWORD style, int dpi);

}  // namespace farb
