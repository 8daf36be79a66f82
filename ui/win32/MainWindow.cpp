#include "MainWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <chrono>
#include <utility>

#include "Accessibility.h"
#include "CoreText.h"
#include "Dialogs.h"
#include "Dpi.h"
#include "FormTexts.h"
#include "InputMapping.h"
#include "ResourceIds.h"
#include "SearchDialog.h"
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

void RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = MainWindow::WindowProcedure;
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

// The window without its controls; the messages of its making need nothing of ours.
HWND CreateFrame(HINSTANCE instance, Edition edition) {
    RegisterWindowClass(instance);
    const std::wstring title = WideFromCoreText(WindowTitle(edition));
    return CreateWindowExW(0, FARB_WINDOW_CLASS, title.c_str(), kWindowStyle, CW_USEDEFAULT,
                           CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, nullptr);
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

MainWindow::MainWindow(HINSTANCE instance, LampLink& lampLink, Edition edition)
    : instance_(instance),
      window_(CreateFrame(instance, edition)),
      dpi_(WindowDpi(window_)),
      fonts_(WideFromCoreText(MainWindowLayout().fontFamily), dpi_),
      listBrush_(CreateSolidBrush(ColourOf(Control(ControlId::lbh).background))),
      toolTips_(instance, window_),
      shortcuts_(LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDA_SHORTCUTS))) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    taskbar_ = std::make_unique<TaskbarProgress>(window_);
    if (edition == Edition::Demo) {
        artwork_.ShowDemoMark();
    }
    artwork_.Render(instance_, dpi_);
    CreateControls();
    // No size: nothing to see or click, yet a name for the screen reader, which reads the last
    // announcement there and, before the first, what it is.
    liveRegion_ = CreateWindowExW(0, L"STATIC", WideFromCoreText(kLiveRegionName).c_str(),
                                  WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, 0, 0, window_,
                                  reinterpret_cast<HMENU>(IDC_LIVE_REGION), instance_, nullptr);
    FitFrame();
    form_ = std::make_unique<TForm1>(*this, lampLink);
}

MainWindow::~MainWindow() {
    if (window_) {
        DestroyWindow(window_);
    }
    DeleteObject(listBrush_);
}

void MainWindow::FitFrame(const RECT* suggested) {
    const WindowLayout& entry = MainWindowLayout();
    const SIZE frame = FrameSize(ScaledToDpi(entry.clientWidth, dpi_),
                                 ScaledToDpi(entry.clientHeight, dpi_), kWindowStyle, dpi_);
    ScreenPoint at{};
    if (suggested) {
        at = {suggested->left, suggested->top};
    } else {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT& work = monitor.rcWork;
        at = CentredIn({work.left, work.top, work.right - work.left, work.bottom - work.top},
                       frame.cx, frame.cy);
    }
    SetWindowPos(window_, nullptr, at.x, at.y, frame.cx, frame.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool MainWindow::TranslateShortcut(MSG& message) {
    const bool mine = message.hwnd == window_ || IsChild(window_, message.hwnd);
    return mine && shortcuts_ && TranslateAcceleratorW(window_, shortcuts_, &message) != 0;
}

int MainWindow::AskForProgramme() {
    return farb::AskForProgramme(
        window_, [this](std::string_view query) { return form_->FindProgrammes(query); });
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
    ApplyFocusChain();
}

// Tab follows the order of the siblings, so each control of the chain goes right after the one
// before it.
void MainWindow::ApplyFocusChain() {
    const std::vector<ControlId> chain = FocusChain();
    for (std::size_t i = 1; i < chain.size(); ++i) {
        SetWindowPos(Of(chain[i]), Of(chain[i - 1]), 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void MainWindow::LayOut(int dpi) {
    dpi_ = dpi;
    // The controls still use the old fonts until each is configured anew.
    FontCache oldFonts =
        std::exchange(fonts_, FontCache(WideFromCoreText(MainWindowLayout().fontFamily), dpi));
    artwork_.Render(instance_, dpi);
    for (const ControlLayout& entry : Controls()) {
        if (HWND control = Of(entry.id)) {
            const Rect rect = ScaledToDpi(entry.rect, dpi);
            SetWindowPos(control, nullptr, rect.left, rect.top, rect.width,
                         WindowHeight(entry, rect), SWP_NOZORDER | SWP_NOACTIVATE);
            Configure(control, entry, rect);
        }
    }
    InvalidateRect(window_, nullptr, TRUE);
}

void MainWindow::Configure(HWND control, const ControlLayout& entry, const Rect& rect) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.At(entry.fontPixels)), FALSE);
    if (entry.kind == ControlKind::ListBox) {
        SendMessageW(control, LB_SETITEMHEIGHT, 0, ScaledToDpi(entry.itemHeight, dpi_));
    } else if (entry.kind == ControlKind::DropDownList) {
        FitComboHeight(control, rect.height);
    }
    toolTips_.Move(control, entry, dpi_);
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

const ControlLayout* MainWindow::LayoutOf(HWND control) const {
    const int index = GetDlgCtrlID(control) - FARB_FIRST_CONTROL_ID;
    const std::span<const ControlLayout> entries = Controls();
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size() ||
        Of(entries[index].id) != control) {
        return nullptr;
    }
    return &entries[index];
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
    if (const std::optional<LRESULT> result = OnDrawingMessage(message, wParam, lParam)) {
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
            OnTimer(wParam);
            return 0;
        case WM_MOUSEMOVE:
            if (form_) {
                form_->MouseMove(ControlId::Image1, MulDiv(GET_X_LPARAM(lParam), kDesignDpi, dpi_),
                                 MulDiv(GET_Y_LPARAM(lParam), kDesignDpi, dpi_));
            }
            return 0;
        case WM_NOTIFY:
            if (const std::optional<LRESULT> result =
                    toolTips_.OnNotify(*reinterpret_cast<NMHDR*>(lParam))) {
                return *result;
            }
            break;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam));
            return 0;
        case WM_DPICHANGED:
            LayOut(HIWORD(wParam));
            FitFrame(reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            if (form_) {
                form_->FormClose();
            }
            DestroyWindow(window_);
            return 0;
        case WM_DESTROY:
            ClearLiveRegion(liveRegion_);
            KillTimer(window_, TimerIdOf(TimerId::Timer1));
            KillTimer(window_, TimerIdOf(TimerId::Timer2));
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// The accelerators' commands. Enter and Escape come here as IDOK and IDCANCEL from the dialog
// keys; they do nothing.
void MainWindow::OnCommand(WORD command) {
    if (!form_) {
        return;
    }
    if (command == IDM_SEARCH) {
        form_->SearchShortcut();
    } else if (command == IDM_STATE) {
        form_->StateShortcut();
    }
}

void MainWindow::OnTimer(WPARAM timer) {
    if (!form_) {
        return;
    }
    if (timer == TimerIdOf(TimerId::Timer1)) {
        form_->Timer1Timer();
    } else if (timer == TimerIdOf(TimerId::Timer2)) {
        form_->Timer2Timer();
    }
}

}  // namespace farb
