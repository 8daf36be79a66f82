#include "MainWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <chrono>

#include "Accessibility.h"
#include "CoreText.h"
#include "Dialogs.h"
#include "Dpi.h"
#include "FormTexts.h"
#include "InputMapping.h"
#include "RealSleep.h"
#include "ResourceIds.h"
#include "WindowPlacement.h"

namespace farb {
namespace {

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// The form's activation runs from the message loop, after the window is shown: without a window
// manager (a bare X server under Wine) the window may never become active.
constexpr UINT kActivateMessage = WM_APP + 1;
// A dropped-down list the status box never shows, but Windows wants a size for it.
constexpr int kComboListRows = 6;

// A drop-down list's window height includes its list.
int WindowHeight(const ControlLayout& entry, const Rect& rect) {
    return entry.kind == ControlKind::DropDownList ? rect.height * kComboListRows : rect.height;
}

UINT_PTR TimerIdOf(TimerId timer) {
    return timer == TimerId::Timer1 ? 1 : 2;
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                   GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.lpszClassName = FARB_WINDOW_CLASS;
    RegisterClassExW(&windowClass);
}

struct ControlClass {
    LPCWSTR name;
    DWORD style;
};

ControlClass ClassOf(const ControlLayout& entry) {
    switch (entry.kind) {
        case ControlKind::ListBox:
            return {L"LISTBOX", WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY |
                                    LBS_NOINTEGRALHEIGHT};
        case ControlKind::DropDownList:
            // Drawn by us, so that disabled it stays legible rather than grey.
            return {L"COMBOBOX",
                    WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS};
        case ControlKind::HotSpot:
            return {L"BUTTON", BS_OWNERDRAW};
        case ControlKind::Label:
        case ControlKind::Picture:
            break;
    }
    // Drawn by us over the artwork; its window text stays what it shows.
    return {L"STATIC", SS_OWNERDRAW};
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, FtDriver& driver, bool demo) : instance_(instance) {
    RegisterWindowClass(instance, WindowProcedure);
    const std::wstring title =
        WideFromCoreText(demo ? DemoWindowTitle() : std::string(MainWindowLayout().title));
    window_ = CreateWindowExW(0, FARB_WINDOW_CLASS, title.c_str(), kWindowStyle, CW_USEDEFAULT,
                              CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    taskbar_ = std::make_unique<TaskbarProgress>(window_);
    dpi_ = WindowDpi(window_);
    listBrush_ = CreateSolidBrush(ColourOf(Control(ControlId::lbh).background));
    if (demo) {
        artwork_.ShowDemoMark();
    }
    artwork_.Render(instance_, dpi_);
    CreateControls();

    const WindowLayout& entry = MainWindowLayout();
    const SIZE frame = FrameSize(ScaledToDpi(entry.clientWidth, dpi_),
                                 ScaledToDpi(entry.clientHeight, dpi_), kWindowStyle, dpi_);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const ScreenPoint at = CentredIn(
        {work.left, work.top, work.right - work.left, work.bottom - work.top}, frame.cx, frame.cy);
    SetWindowPos(window_, nullptr, at.x, at.y, frame.cx, frame.cy, SWP_NOZORDER | SWP_NOACTIVATE);

    form_ = std::make_unique<TForm1>(*this, driver, SleepOnThisThread);
}

MainWindow::~MainWindow() {
    if (window_) {
        DestroyWindow(window_);
    }
    for (const auto& [pixels, font] : fonts_) {
        DeleteObject(font);
    }
    DeleteObject(listBrush_);
}

void MainWindow::Show() {
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    PostMessageW(window_, kActivateMessage, 0, 0);
}

void MainWindow::CreateControls() {
    const std::span<const ControlLayout> entries = Controls();
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const ControlLayout& entry = entries[index];
        if (entry.kind == ControlKind::Picture) {
            continue;  // the client area itself
        }
        const ControlClass control = ClassOf(entry);
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | control.style |
                            (entry.focusOrder > 0 ? WS_TABSTOP : 0);
        // A hot spot's window text is its name for assistive technology; it shows nowhere.
        const std::wstring text = WideFromCoreText(entry.accessibleName);
        // Made in place: moving each control afterwards would cost a round trip apiece.
        const Rect rect = ScaledToDpi(entry.rect, dpi_);
        HWND child = CreateWindowExW(0, control.name, text.c_str(), style, rect.left, rect.top,
                                     rect.width, WindowHeight(entry, rect), window_,
                                     reinterpret_cast<HMENU>(FARB_FIRST_CONTROL_ID + index),
                                     instance_, nullptr);
        controls_[index] = child;
        Configure(child, entry, rect);
        EnableWindow(child, entry.enabled);
        NameForAssistiveTechnology(child, entry.accessibleName);
        if (entry.kind == ControlKind::ListBox) {
            SetWindowSubclass(child, ListProcedure, index, reinterpret_cast<DWORD_PTR>(this));
        } else if (entry.kind == ControlKind::HotSpot) {
            SetWindowSubclass(child, HotSpotProcedure, index, reinterpret_cast<DWORD_PTR>(this));
        } else if (entry.kind == ControlKind::Label) {
            // The white labels lie over the hot spots they name.
            SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
}

void MainWindow::LayOut(int dpi) {
    dpi_ = dpi;
    std::map<int, HFONT> oldFonts;
    oldFonts.swap(fonts_);
    artwork_.Render(instance_, dpi);
    for (const ControlLayout& entry : Controls()) {
        if (HWND control = Of(entry.id)) {
            const Rect rect = ScaledToDpi(entry.rect, dpi);
            SetWindowPos(control, nullptr, rect.left, rect.top, rect.width,
                         WindowHeight(entry, rect), SWP_NOZORDER | SWP_NOACTIVATE);
            Configure(control, entry, rect);
        }
    }
    for (const auto& [pixels, font] : oldFonts) {
        DeleteObject(font);
    }
    InvalidateRect(window_, nullptr, TRUE);
}

void MainWindow::Configure(HWND control, const ControlLayout& entry, const Rect& rect) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(Font(entry.fontPixels)), FALSE);
    if (entry.kind == ControlKind::ListBox) {
        SendMessageW(control, LB_SETITEMHEIGHT, 0, ScaledToDpi(entry.itemHeight, dpi_));
    } else if (entry.kind == ControlKind::DropDownList) {
        FitComboHeight(control, rect.height);
    }
    if (toolTip_) {
        TTTOOLINFOW tool = ToolOf(entry.id);
        SendMessageW(toolTip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// The visible height of a drop-down list is the height of its selection field and a frame.
// Wine's combo box reports another field height than it was given, so set one, measure what
// shows, and correct by the difference.
void MainWindow::FitComboHeight(HWND combo, int height) {
    const auto shownHeight = [combo] {
        RECT shown;
        GetWindowRect(combo, &shown);
        return static_cast<int>(shown.bottom - shown.top);
    };
    const int probe = height / 2;
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), probe);
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), probe + height - shownHeight());
}

HFONT MainWindow::Font(int designPixels) {
    HFONT& font = fonts_[designPixels];
    if (!font) {
        const std::wstring family = WideFromCoreText(MainWindowLayout().fontFamily);
        // A negative height asks for the character height, the pixel size of the table.
        font = CreateFontW(-ScaledToDpi(designPixels, dpi_), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                           FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, family.c_str());
    }
    return font;
}

const ControlLayout* MainWindow::LayoutOf(HWND control) const {
    const int index = GetDlgCtrlID(control) - FARB_FIRST_CONTROL_ID;
    const std::span<const ControlLayout> entries = Controls();
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size() ||
        Of(entries[index].id) != control) {
        return nullptr;
    }
    return &entries[index];
}

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
    const bool list = Control(control).kind == ControlKind::ListBox;
    SendMessageW(Of(control), list ? LB_SETCURSEL : CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

HWND MainWindow::ToolTipWindow() {
    if (!toolTip_) {
        toolTip_ =
            CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_, nullptr);
        SendMessageW(toolTip_, TTM_SETMAXTIPWIDTH, 0, ScaledToDpi(320, dpi_));
    }
    return toolTip_;
}

// The tool stays while it has a text: a tool added anew waits its delay again, so the time
// text's tip, new every second, would never show. A tip showing takes the new text at once.
void MainWindow::SetToolTip(ControlId control, const std::string& text) {
    std::wstring wide = WideFromCoreText(text);
    TTTOOLINFOW tool = ToolOf(control);
    tool.lpszText = wide.data();
    bool& has = hasToolTip_[static_cast<std::size_t>(control)];
    const UINT message = text.empty() ? TTM_DELTOOLW : has ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW;
    if (has || !text.empty()) {
        SendMessageW(ToolTipWindow(), message, 0, reinterpret_cast<LPARAM>(&tool));
    }
    has = !text.empty();
    DescribeForAssistiveTechnology(Of(control), CHILDID_SELF, text);
}

// The list is one tool whose text is asked for when it shows: the tip of the item under the
// pointer.
void MainWindow::SetItemToolTips(ControlId list, const std::vector<ItemTip>& tips) {
    itemTips_.clear();
    for (std::size_t item = 0; item < tips.size(); ++item) {
        std::wstring text = WideFromCoreText(tips[item].text);
        // A tooltip breaks its lines at CR LF.
        for (std::size_t at = text.find(L'\n'); at != std::wstring::npos;
             at = text.find(L'\n', at + 2)) {
            text.insert(at, 1, L'\r');
        }
        itemTips_.push_back(std::move(text));
        DescribeForAssistiveTechnology(Of(list), static_cast<LONG>(item + 1),
                                       tips[item].description);
    }
    TTTOOLINFOW tool = ToolOf(list);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(ToolTipWindow(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    tippedItem_ = -1;
}

void MainWindow::ShowItemTip(ControlId list, int item) {
    if (item == tippedItem_) {
        return;
    }
    tippedItem_ = item;
    itemTipText_.clear();
    if (item >= 0 && item < static_cast<int>(itemTips_.size())) {
        itemTipText_ = itemTips_[item];
    }
    // Asks for the text again, or hides the tip where an item has none.
    SendMessageW(ToolTipWindow(), TTM_POP, 0, 0);
    TTTOOLINFOW tool = ToolOf(list);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(toolTip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

bool MainWindow::ItemNameCut(ControlId list, int item) const {
    return NameIsCut(Of(list), item);
}

bool MainWindow::NameIsCut(HWND list, int item) const {
    const auto length = SendMessageW(list, LB_GETTEXTLEN, item, 0);
    std::wstring name(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, item, reinterpret_cast<LPARAM>(name.data()));
    name.resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)));
    RECT area{};
    SendMessageW(list, LB_GETITEMRECT, item, reinterpret_cast<LPARAM>(&area));
    HDC dc = GetDC(list);
    const HGDIOBJ before =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, name.c_str(), static_cast<int>(name.size()), &extent);
    SelectObject(dc, before);
    ReleaseDC(list, dc);
    // The items are drawn from a small margin on.
    return extent.cx > area.right - area.left - ScaledToDpi(3, dpi_);
}

// A list or hot spot is its own tool. A label passes the mouse through to the window and the
// disabled status box gets none, so for them the tool is their rectangle of the window.
TTTOOLINFOW MainWindow::ToolOf(ControlId control) const {
    const ControlLayout& entry = Control(control);
    const bool ownMouse =
        entry.enabled && (entry.kind == ControlKind::ListBox || entry.kind == ControlKind::HotSpot);
    const Rect rect = ScaledToDpi(entry.rect, dpi_);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS | (ownMouse ? TTF_IDISHWND : 0);
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(Of(control));
    tool.rect = {rect.left, rect.top, rect.Right(), rect.Bottom()};
    return tool;
}

void MainWindow::SetTimer(TimerId timer, bool on) {
    const auto interval = TimerPeriod(timer);
    if (on) {
        // Setting an existing timer again starts its period afresh.
        ::SetTimer(window_, TimerIdOf(timer), static_cast<UINT>(interval.count()), nullptr);
    } else {
        KillTimer(window_, TimerIdOf(timer));
    }
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

LRESULT CALLBACK MainWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const LRESULT result = self->OnMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        self->window_ = nullptr;
    }
    return result;
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const std::optional<LRESULT> result = OnSystemMessage(message, wParam)) {
        return *result;
    }
    switch (message) {
        case kActivateMessage:
            if (form_) {
                form_->FormActivate();
            }
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                focus_ = GetFocus();
            } else {
                SetFocus(focus_ ? focus_ : Of(FirstInFocusOrder()));
                PostMessageW(window_, kActivateMessage, 0, 0);
            }
            return 0;
        case WM_TIMER:
            if (!form_) {
                break;
            }
            if (wParam == TimerIdOf(TimerId::Timer1)) {
                form_->Timer1Timer();
            } else if (wParam == TimerIdOf(TimerId::Timer2)) {
                form_->Timer2Timer();
            }
            return 0;
        case WM_MOUSEMOVE:
            if (!form_) {
                break;
            }
            form_->MouseMove(ControlId::Image1, MulDiv(GET_X_LPARAM(lParam), kDesignDpi, dpi_),
                             MulDiv(GET_Y_LPARAM(lParam), kDesignDpi, dpi_));
            return 0;
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
            break;
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
        case WM_NOTIFY:
            if (auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
                info->hdr.code == TTN_GETDISPINFOW &&
                info->hdr.idFrom == reinterpret_cast<UINT_PTR>(Of(ControlId::lbg))) {
                info->lpszText = itemTipText_.data();
                return 0;
            }
            break;
        case WM_DRAWITEM:
            DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_COMMAND:
            // Enter and Escape come here as IDOK and IDCANCEL from the dialog keys; they do
            // nothing.
            return 0;
        case WM_DPICHANGED: {
            LayOut(HIWORD(wParam));
            const WindowLayout& entry = MainWindowLayout();
            const SIZE frame = FrameSize(ScaledToDpi(entry.clientWidth, dpi_),
                                         ScaledToDpi(entry.clientHeight, dpi_), kWindowStyle, dpi_);
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top, frame.cx, frame.cy,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_CLOSE:
            CloseForm();
            DestroyWindow(window_);
            return 0;
        case WM_DESTROY:
            KillTimer(window_, TimerIdOf(TimerId::Timer1));
            KillTimer(window_, TimerIdOf(TimerId::Timer2));
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace farb
