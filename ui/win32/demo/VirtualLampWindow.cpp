#include "VirtualLampWindow.h"

#include <algorithm>
#include <string>

#include "Accessibility.h"
#include "ControlTable.h"
#include "CoreText.h"
#include "Dpi.h"
#include "LampWindowIds.h"
#include "ResourceIds.h"

namespace farb {
namespace {

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kTextStyle = WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_CENTERIMAGE;

// Sizes at 96 dpi.
constexpr int kMargin = 12;
constexpr int kGap = 8;
constexpr int kColourNameHeight = 36;
constexpr int kRowHeight = 22;
constexpr int kComboRowHeight = 30;
constexpr SIZE kButton{110, 26};
constexpr int kTextPixels = 12;
// Room for the combo box's arrow beside its widest item.
constexpr int kComboArrowWidth = 30;

std::wstring Wide(std::string_view latin1) {
    return WideFromCoreText(latin1);
}

HWND Make(HWND parent, HINSTANCE instance, LPCWSTR windowClass, std::string_view text, DWORD style,
          int id) {
    return CreateWindowExW(0, windowClass, Wide(text).c_str(), style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

int TextWidth(HDC dc, std::string_view latin1) {
    const std::wstring text = Wide(latin1);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void SetText(HWND control, const std::string& latin1) {
    SetWindowTextW(control, Wide(latin1).c_str());
}

}  // namespace

VirtualLampWindow::VirtualLampWindow(HINSTANCE instance, VirtualLamp& lamp)
    : instance_(instance), lamp_(lamp) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.hIcon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    windowClass.lpszClassName = FARB_LAMP_WINDOW_CLASS;
    RegisterClassExW(&windowClass);

    window_ =
        CreateWindowExW(0, FARB_LAMP_WINDOW_CLASS, Wide(kLampWindowTitle).c_str(), kWindowStyle,
                        CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    dpi_ = WindowDpi(window_);
    CreateControls();
    MakeFonts();
    LayOut();
    lamp_.SetChangeListener([this] { ShowReadout(); });
    ShowReadout();
}

VirtualLampWindow::~VirtualLampWindow() {
    lamp_.SetChangeListener({});
    DestroyWindow(window_);
    DeleteObject(font_);
    DeleteObject(largeFont_);
    DeleteObject(fieldBrush_);
}

void VirtualLampWindow::CreateControls() {
    field_ = Make(window_, instance_, L"STATIC", "", WS_CHILD | WS_VISIBLE, FARB_LAMP_FIELD_ID);
    NameForAssistiveTechnology(field_, kLampWindow.fieldName);
    colourName_ =
        Make(window_, instance_, L"STATIC", "", kTextStyle | SS_CENTER, FARB_LAMP_COLOUR_NAME_ID);
    NameForAssistiveTechnology(colourName_, kLampWindow.colourNameName);

    const std::vector<LampReadoutRow> rows = ReadOut(lamp_).Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int offset = static_cast<int>(i);
        rowLabels_.push_back(Make(window_, instance_, L"STATIC", rows[i].label, kTextStyle,
                                  FARB_LAMP_ROW_LABEL_ID + offset));
        rowValues_.push_back(Make(window_, instance_, L"STATIC", "", kTextStyle | SS_ENDELLIPSIS,
                                  FARB_LAMP_ROW_VALUE_ID + offset));
        NameForAssistiveTechnology(rowValues_.back(), rows[i].accessibleName);
    }

    kindLabel_ = Make(window_, instance_, L"STATIC", kLampWindow.kindLabel, kTextStyle,
                      FARB_LAMP_KIND_LABEL_ID);
    kind_ =
        Make(window_, instance_, L"COMBOBOX", "",
             WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, FARB_LAMP_KIND_ID);
    NameForAssistiveTechnology(kind_, kLampWindow.kindName);
    for (const LampKindChoice& choice : LampKindChoices()) {
        SendMessageW(kind_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(choice.label).c_str()));
    }
    SendMessageW(kind_, CB_SETCURSEL, 0, 0);

    const DWORD button = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    plug_ = Make(window_, instance_, L"BUTTON", kPlugButton, button, FARB_LAMP_PLUG_ID);
    unplug_ = Make(window_, instance_, L"BUTTON", kUnplugButton, button, FARB_LAMP_UNPLUG_ID);
}

void VirtualLampWindow::MakeFonts() {
    DeleteObject(font_);
    DeleteObject(largeFont_);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTW face = metrics.lfMessageFont;
    face.lfHeight = -MulDiv(kTextPixels, dpi_, 96);
    font_ = CreateFontIndirectW(&face);
    // The colour's name in the main window's typeface: every Windows has its bold (Wine's Tahoma
    // draws bold as regular).
    const std::wstring family = Wide(MainWindowLayout().fontFamily);
    family.copy(face.lfFaceName, LF_FACESIZE - 1);
    face.lfFaceName[std::min<std::size_t>(family.size(), LF_FACESIZE - 1)] = L'\0';
    face.lfHeight = -MulDiv(kLampWindow.colourNamePixels, dpi_, 96);
    face.lfWeight = FW_BOLD;
    largeFont_ = CreateFontIndirectW(&face);

    for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
    SendMessageW(colourName_, WM_SETFONT, reinterpret_cast<WPARAM>(largeFont_), FALSE);
}

// The columns fit the longest texts the window can show, so it never changes its size.
void VirtualLampWindow::LayOut() {
    const auto scaled = [this](int pixels) { return MulDiv(pixels, dpi_, 96); };
    HDC dc = GetDC(window_);
    const HGDIOBJ previous = SelectObject(dc, font_);
    int labelWidth = TextWidth(dc, kLampWindow.kindLabel);
    for (const LampReadoutRow& row : ReadOut(lamp_).Rows()) {
        labelWidth = std::max(labelWidth, TextWidth(dc, row.label));
    }
    labelWidth += scaled(kGap);
    int valueWidth = 0;
    for (const std::string_view widest : kLampWindow.widestValues) {
        valueWidth = std::max(valueWidth, TextWidth(dc, widest));
    }
    for (const LampKindChoice& choice : LampKindChoices()) {
        valueWidth = std::max(valueWidth, TextWidth(dc, choice.label) + scaled(kComboArrowWidth));
    }
    SelectObject(dc, previous);
    ReleaseDC(window_, dc);

    const int margin = scaled(kMargin);
    const SIZE field{scaled(kLampWindow.fieldWidth), scaled(kLampWindow.fieldHeight)};
    const int width = std::max<int>(field.cx, labelWidth + valueWidth);
    const auto place = [](HWND control, int x, int y, int w, int h) {
        SetWindowPos(control, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    };
    int y = margin;
    place(field_, margin + (width - field.cx) / 2, y, field.cx, field.cy);
    y += field.cy + scaled(kGap);
    place(colourName_, margin, y, width, scaled(kColourNameHeight));
    y += scaled(kColourNameHeight) + scaled(kGap);
    for (std::size_t i = 0; i < rowLabels_.size(); ++i) {
        place(rowLabels_[i], margin, y, labelWidth, scaled(kRowHeight));
        place(rowValues_[i], margin + labelWidth, y, width - labelWidth, scaled(kRowHeight));
        y += scaled(kRowHeight);
    }
    y += scaled(kGap) / 2;
    place(kindLabel_, margin, y, labelWidth, scaled(kComboRowHeight));
    // A drop-down list's height includes its opened list.
    place(kind_, margin + labelWidth, y + scaled(2), width - labelWidth, scaled(kRowHeight) * 6);
    y += scaled(kComboRowHeight) + scaled(kGap);
    const int buttonsLeft = margin + (width - 2 * scaled(kButton.cx) - scaled(kGap)) / 2;
    place(plug_, buttonsLeft, y, scaled(kButton.cx), scaled(kButton.cy));
    place(unplug_, buttonsLeft + scaled(kButton.cx) + scaled(kGap), y, scaled(kButton.cx),
          scaled(kButton.cy));
    y += scaled(kButton.cy) + margin;

    const SIZE frame = FrameSize(width + 2 * margin, y, kWindowStyle, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, frame.cx, frame.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void VirtualLampWindow::ShowReadout() {
    const VirtualLampReadout readout = ReadOut(lamp_);
    const COLORREF colour = RGB(readout.field.red, readout.field.green, readout.field.blue);
    if (colour != fieldColour_) {
        DeleteObject(fieldBrush_);
        fieldBrush_ = CreateSolidBrush(colour);
        fieldColour_ = colour;
        InvalidateRect(field_, nullptr, TRUE);
    }
    SetText(colourName_, readout.colourName);
    const std::vector<LampReadoutRow> rows = readout.Rows();
    for (std::size_t i = 0; i < rowValues_.size() && i < rows.size(); ++i) {
        SetText(rowValues_[i], rows[i].text);
    }

    // A control about to be disabled hands the keyboard focus to the button that takes over.
    const HWND focus = GetFocus();
    EnableWindow(kind_, readout.kindChoosable);
    EnableWindow(plug_, readout.plugEnabled);
    EnableWindow(unplug_, readout.unplugEnabled);
    if (focus && (focus == kind_ || focus == plug_ || focus == unplug_) &&
        !IsWindowEnabled(focus)) {
        SetFocus(readout.plugEnabled ? plug_ : unplug_);
    }
}

void VirtualLampWindow::OnCommand(int id, int notification) {
    if (notification != BN_CLICKED) {
        return;
    }
    if (id == FARB_LAMP_PLUG_ID) {
        const LRESULT chosen = SendMessageW(kind_, CB_GETCURSEL, 0, 0);
        const auto& choices = LampKindChoices();
        if (chosen >= 0 && static_cast<std::size_t>(chosen) < choices.size()) {
            lamp_.Plug(choices[static_cast<std::size_t>(chosen)].kind);
        }
    } else if (id == FARB_LAMP_UNPLUG_ID) {
        lamp_.Unplug();
    }
}

LRESULT CALLBACK VirtualLampWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                                    LPARAM lParam) {
    auto* self = reinterpret_cast<VirtualLampWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->OnMessage(message, wParam, lParam)
                : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT VirtualLampWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == field_) {
                return reinterpret_cast<LRESULT>(fieldBrush_);
            }
            break;
        case WM_CLOSE:
            // The lamp only accompanies the main window; the demo goes on without it.
            ShowWindow(window_, SW_HIDE);
            return 0;
        case WM_DPICHANGED: {
            dpi_ = HIWORD(wParam);
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            MakeFonts();
            LayOut();
            InvalidateRect(window_, nullptr, TRUE);
            return 0;
        }
        case WM_NCDESTROY:
            SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace farb
