// What the form tells the window: texts, items, selections, tooltips and the boxes, each turned
// into the controls' messages.
#include <windows.h>

#include <algorithm>
#include <string>

#include "Accessibility.h"
#include "CoreText.h"
#include "Dialogs.h"
#include "Dpi.h"
#include "MainWindow.h"

namespace farb {

void MainWindow::SetText(ControlId control, const std::string& text) {
    SetWindowTextW(Of(control), WideFromCoreText(text).c_str());
    // An owner-drawn label does not repaint for a new text of its own accord.
    InvalidateRect(Of(control), nullptr, FALSE);
}

void MainWindow::SetVisible(ControlId control, bool visible) {
    ShowWindow(Of(control), visible ? SW_SHOWNA : SW_HIDE);
}

void MainWindow::SetItems(ControlId control, const std::vector<std::string>& items) {
    HWND box = Of(control);
    const bool list = Control(control).kind == ControlKind::ListBox;
    SendMessageW(box, WM_SETREDRAW, FALSE, 0);
    SendMessageW(box, list ? LB_RESETCONTENT : CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
        const std::wstring wide = WideFromCoreText(item);
        SendMessageW(box, list ? LB_ADDSTRING : CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(wide.c_str()));
    }
    SendMessageW(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
}

void MainWindow::SetSelection(ControlId control, int index) {
    HWND box = Of(control);
    if (Control(control).kind != ControlKind::ListBox) {
        SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        return;
    }
    const bool moved = SendMessageW(box, LB_GETCURSEL, 0, 0) != index;
    SendMessageW(box, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    // The native navigation, which the form replaces, would tell it.
    if (moved) {
        TellSelectedItem(box);
    }
}

void MainWindow::SetToolTip(ControlId control, const std::string& text) {
    toolTips_.Set(Of(control), Control(control), dpi_, text);
}

void MainWindow::SetItemToolTips(ControlId list, const std::vector<ItemTip>& tips) {
    toolTips_.SetItems(Of(list), Control(list), dpi_, tips);
}

void MainWindow::ShowItemTip(ControlId list, int item) {
    toolTips_.PointAtItem(Of(list), Control(list), dpi_, item);
}

// Whether the item's name is wider than the list draws it, from a small margin on.
bool MainWindow::ItemNameCut(ControlId list, int item) const {
    HWND box = Of(list);
    const auto length = std::max<LRESULT>(SendMessageW(box, LB_GETTEXTLEN, item, 0), 0);
    std::wstring name(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(box, LB_GETTEXT, item, reinterpret_cast<LPARAM>(name.data()));
    name.resize(static_cast<std::size_t>(length));
    RECT area{};
    SendMessageW(box, LB_GETITEMRECT, item, reinterpret_cast<LPARAM>(&area));
    HDC dc = GetDC(box);
    const HGDIOBJ before =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, name.c_str(), static_cast<int>(name.size()), &extent);
    SelectObject(dc, before);
    ReleaseDC(box, dc);
    return extent.cx > area.right - area.left - ScaledToDpi(3, dpi_);
}

bool MainWindow::ConfirmNotice() {
    return ConfirmNoticeBox(window_);
}

void MainWindow::ShowError(const std::string& title, const std::string& text) {
    ShowErrorBox(window_, title, text);
}

void MainWindow::Close() {
    PostMessageW(window_, WM_CLOSE, 0, 0);
}

void MainWindow::AskForAttention() {
    FLASHWINFO flash{};
    flash.cbSize = sizeof flash;
    flash.hwnd = window_;
    flash.dwFlags = FLASHW_TRAY | FLASHW_TIMERNOFG;
    FlashWindowEx(&flash);
}

void MainWindow::PlayNotificationSound() {
    MessageBeep(MB_OK);
}

}  // namespace farb
