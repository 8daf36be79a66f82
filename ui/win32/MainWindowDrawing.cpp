// The parts of the window that Windows leaves to its owner: the lists' items, the status box's
// field, the labels and the hot spots, all over the one artwork bitmap.

#include "MainWindow.h"
#include "ResourceIds.h"

namespace farb {

std::optional<LRESULT> MainWindow::OnDrawingMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window_, &paint);
            artwork_.PaintBehind(dc, nullptr, paint.rcPaint);
            EndPaint(window_, &paint);
            return 0;
        }
        case WM_CTLCOLORLISTBOX:
            if (const ControlLayout* entry = LayoutOf(reinterpret_cast<HWND>(lParam));
                entry && entry->kind == ControlKind::ListBox) {
                SetBkColor(reinterpret_cast<HDC>(wParam), ColourOf(entry->background));
                return reinterpret_cast<LRESULT>(listBrush_);
            }
            return std::nullopt;
        case WM_MEASUREITEM: {
            auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            const ControlLayout& entry =
                Controls()[static_cast<std::size_t>(measure.CtlID - FARB_FIRST_CONTROL_ID)];
            // For the status box a first guess, which FitComboHeight corrects.
            measure.itemHeight = entry.kind == ControlKind::ListBox
                                     ? ScaledToDpi(entry.itemHeight, dpi_)
                                     : ScaledToDpi(entry.fontPixels, dpi_) + 4;
            return TRUE;
        }
        case WM_DRAWITEM:
            DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
    }
    return std::nullopt;
}

namespace {

// The frame that shows the keyboard focus, just inside `area`; the system's dotted focus line
// is hard to see on the dark panel.
void DrawFocusMark(HDC dc, RECT area, int dpi) {
    const WindowLayout& window = MainWindowLayout();
    HBRUSH brush = CreateSolidBrush(ColourOf(window.focusMark));
    for (int ring = 0; ring < ScaledToDpi(window.focusMarkWidth, dpi); ++ring) {
        FrameRect(dc, &area, brush);
        InflateRect(&area, -1, -1);
    }
    DeleteObject(brush);
}

}  // namespace

void MainWindow::DrawItem(const DRAWITEMSTRUCT& item) {
    const ControlLayout* entry = LayoutOf(item.hwndItem);
    if (!entry) {
        return;
    }
    if (!entry->opaque) {
        // A hot spot has nothing of its own: the picture button in the artwork shows through.
        artwork_.PaintBehind(item.hDC, item.hwndItem, item.rcItem);
        if (entry->kind == ControlKind::Label) {
            DrawLabel(item, *entry);
        } else if (item.itemState & ODS_FOCUS) {
            // Only Tab gives a hot spot the focus: a press never does.
            DrawFocusMark(item.hDC, item.rcItem, dpi_);
        }
        return;
    }
    const bool list = entry->kind == ControlKind::ListBox;
    const bool selected = list && (item.itemState & ODS_SELECTED);
    if (selected) {
        FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_HIGHLIGHT));
    } else if (list) {
        FillRect(item.hDC, &item.rcItem, listBrush_);
    } else {
        SetBkColor(item.hDC, ColourOf(entry->background));
        ExtTextOutW(item.hDC, 0, 0, ETO_OPAQUE, &item.rcItem, nullptr, 0, nullptr);
    }
    if (item.itemID == static_cast<UINT>(-1)) {
        return;
    }
    const UINT lengthMessage = list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN;
    const UINT textMessage = list ? LB_GETTEXT : CB_GETLBTEXT;
    const LRESULT length = SendMessageW(item.hwndItem, lengthMessage, item.itemID, 0);
    if (length <= 0) {
        return;
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(item.hwndItem, textMessage, item.itemID, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    RECT area = item.rcItem;
    area.left += ScaledToDpi(3, dpi_);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, ColourOf(entry->textColour));
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &area,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (list && (item.itemState & ODS_FOCUS)) {
        DrawFocusMark(item.hDC, item.rcItem, dpi_);
    }
}

void MainWindow::DrawLabel(const DRAWITEMSTRUCT& item, const ControlLayout& entry) {
    const LRESULT length = SendMessageW(item.hwndItem, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(SendMessageW(item.hwndItem, WM_GETTEXT, text.size(),
                                                      reinterpret_cast<LPARAM>(text.data()))));
    RECT area = item.rcItem;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, ColourOf(entry.textColour));
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &area,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (entry.centred ? DT_CENTER : DT_LEFT));
}

}  // namespace farb
