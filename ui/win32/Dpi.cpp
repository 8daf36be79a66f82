#include "Dpi.h"

namespace farb {
namespace {

// Looked up at run time, since older Windows 10 releases lack the newer calls.
template <class Function>
Function UserCall(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

void BecomeDpiAware() {
    using SetContext = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
    if (const auto setContext = UserCall<SetContext>("SetProcessDpiAwarenessContext")) {
        // Both are refused where the manifest set the mode already; Wine 8 knows no v2.
        if (!setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) {
            setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
        }
        return;
    }
    // Older Windows: the manifest asked for per-monitor awareness where the system knows it;
    // otherwise aware of the system's resolution at least.
    SetProcessDPIAware();
}

int WindowDpi(HWND window) {
    using GetForWindow = UINT(WINAPI*)(HWND);
    if (const auto getForWindow = UserCall<GetForWindow>("GetDpiForWindow")) {
        if (const UINT dpi = getForWindow(window)) {
            return static_cast<int>(dpi);
        }
    }
    HDC screen = GetDC(window);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(window, screen);
    return dpi;
}

SIZE FrameSize(int clientWidth, int clientHeight, DWORD style, int dpi) {
    RECT frame{0, 0, clientWidth, clientHeight};
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    if (const auto adjust = UserCall<AdjustForDpi>("AdjustWindowRectExForDpi")) {
        adjust(&frame, style, FALSE, 0, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&frame, style, FALSE, 0);
    }
    return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace farb
