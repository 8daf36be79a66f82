// What the operator does in the lists and on the hot spots goes to the form untouched; the native
// controls must not act on it themselves, or their selection would run ahead of the form's.

#include "MainWindow.h"

#include <commctrl.h>

#include "Accessibility.h"
#include "CoreText.h"
#include "InputMapping.h"

namespace farb {
namespace {

// Bit 30 of a key message: the key was down already.
bool IsRepeat(LPARAM lParam) {
    return (lParam & (1 << 30)) != 0;
}

// Posted to a list that gained the focus: the system tells the list's focus only once
// WM_SETFOCUS has returned, and the item's must follow it.
constexpr UINT kTellItemMessage = WM_APP + 2;

}  // namespace

LRESULT CALLBACK MainWindow::ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR self) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(list, ListProcedure, id);
    }
    auto& window = *reinterpret_cast<MainWindow*>(self);
    if (!window.form_) {
        return DefSubclassProc(list, message, wParam, lParam);
    }
    return window.OnListMessage(Controls()[id].id, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::HotSpotProcedure(HWND spot, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR id, DWORD_PTR self) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(spot, HotSpotProcedure, id);
    }
    auto& window = *reinterpret_cast<MainWindow*>(self);
    if (!window.form_) {
        return DefSubclassProc(spot, message, wParam, lParam);
    }
    return window.OnHotSpotMessage(Controls()[id].id, message, wParam, lParam);
}

LRESULT MainWindow::OnListMessage(ControlId list, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND box = Of(list);
    TForm1& form = *form_;
    if (IsPress(message)) {
        SetFocus(box);
        // The high word says the point lies beside the items.
        const LRESULT hit = SendMessageW(box, LB_ITEMFROMPOINT, 0, lParam);
        form.MouseDown(list, PressedButton(message), HIWORD(hit) ? -1 : LOWORD(hit));
        // The native press would select and start a drag.
        return 0;
    }
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (!IsRepeat(lParam)) {
                keyDown_ = wParam;
            }
            form.KeyDown(list, {.code = static_cast<int>(wParam),
                                .move = MoveOfKey(wParam),
                                .repeated = IsRepeat(lParam)});
            if (message == WM_KEYDOWN) {
                return 0;  // the native navigation
            }
            break;  // Alt+F4 and the window menu
        case WM_CHAR:
            // The character the last key types; the form keeps it with that key's press.
            if (const char character = TypedCharacter(static_cast<char16_t>(wParam))) {
                form.KeyDown(list, {.code = static_cast<int>(keyDown_),
                                    .move = MoveOfKey(keyDown_),
                                    .character = character,
                                    .repeated = IsRepeat(lParam)});
            }
            return 0;  // the native search by typed letters
        case WM_KEYUP:
        case WM_SYSKEYUP:
            form.KeyUp(list, static_cast<int>(wParam));
            break;
        case WM_SETFOCUS:
            PostMessageW(box, kTellItemMessage, 0, 0);
            break;
        case kTellItemMessage:
            TellSelectedItem(box);
            return 0;
        case WM_KILLFOCUS:
            form.Exit(list);
            break;
        case WM_MOUSEMOVE:
            if (Control(list).toolTip) {
                const LRESULT hit = SendMessageW(box, LB_ITEMFROMPOINT, 0, lParam);
                ShowItemTip(list, HIWORD(hit) ? -1 : LOWORD(hit));
            }
            break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

LRESULT MainWindow::OnHotSpotMessage(ControlId spot, UINT message, WPARAM wParam, LPARAM lParam) {
    TForm1& form = *form_;
    if (IsPress(message)) {
        form.MouseDown(spot, PressedButton(message));
        return 0;  // a hot spot takes no focus and no capture
    }
    const bool pressKey = wParam == VK_SPACE || wParam == VK_RETURN;
    switch (message) {
        case WM_GETDLGCODE:
            // Enter on a focused hot spot presses it, instead of the dialog's default button.
            if (const auto* key = reinterpret_cast<const MSG*>(lParam);
                key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) {
                return DLGC_WANTMESSAGE | DLGC_BUTTON;
            }
            break;
        case WM_KEYDOWN:
            if (pressKey) {
                form.KeyDown(spot, {.code = static_cast<int>(wParam),
                                    .confirms = true,
                                    .repeated = IsRepeat(lParam)});
                return 0;
            }
            break;
        case WM_KEYUP:
        case WM_CHAR:
            if (pressKey || (message == WM_CHAR && wParam == L'\r')) {
                return 0;  // the native button would click a second time
            }
            break;
        case BM_CLICK:
            // Pressed by assistive technology, or by a program acting for the operator.
            form.MouseDown(spot, MouseButton::Assistive);
            return 0;
        case WM_MOUSEMOVE:
            form.MouseMove(spot);
            break;
    }
    return DefSubclassProc(Of(spot), message, wParam, lParam);
}

}  // namespace farb
