#include "InputMapping.h"

namespace farb {

bool IsPress(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
        case WM_XBUTTONDOWN:
        case WM_XBUTTONDBLCLK:
            return true;
    }
    return false;
}

MouseButton PressedButton(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            return MouseButton::Left;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            return MouseButton::Right;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            return MouseButton::Middle;
    }
    return MouseButton::Other;
}

ListMove MoveOfKey(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_UP:
            return ListMove::Up;
        case VK_DOWN:
            return ListMove::Down;
        case VK_PRIOR:
            return ListMove::PageUp;
        case VK_NEXT:
            return ListMove::PageDown;
        case VK_HOME:
            return ListMove::Home;
        case VK_END:
            return ListMove::End;
    }
    return ListMove::None;
}

}  // namespace farb
