#pragma once

// What farb-inspect reads and does from outside the program: its checks, the program's controls
// through window messages, presses and keys, and the fake ftd2xx.dll's log.

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "ControlTable.h"
#include "CoreText.h"
#include "ResourceIds.h"

namespace farb::inspect {

using namespace std::chrono_literals;

inline int failures = 0;

inline int Failures() {
    return failures;
}

// Prints the result; a failed check counts into Failures().
inline void Check(bool passed, const std::string& what) {
    std::printf("%s %s\n", passed ? "ok  " : "FAIL", what.c_str());
    std::fflush(stdout);
    failures += passed ? 0 : 1;
}

// Polls until `condition` holds or the deadline passes; the machine's speed decides nothing else.
inline bool Eventually(const std::function<bool()>& condition,
                       std::chrono::milliseconds limit = 10s) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

inline LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 3000, &result);
    return static_cast<LRESULT>(result);
}

inline std::wstring Text(HWND window) {
    std::wstring text(static_cast<std::size_t>(Send(window, WM_GETTEXTLENGTH)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

// A list being filled anew meanwhile may lose an item between two reads: the items read up to
// there, which a caller waiting for a content reads again.
inline std::vector<std::wstring> Items(HWND list) {
    std::vector<std::wstring> items;
    for (LRESULT i = 0, count = Send(list, LB_GETCOUNT); i < count; ++i) {
        const LRESULT length = Send(list, LB_GETTEXTLEN, i);
        if (length < 0) {
            break;
        }
        std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
        const LRESULT read = Send(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        if (read < 0 || read > length) {
            break;
        }
        item.resize(static_cast<std::size_t>(read));
        items.push_back(item);
    }
    return items;
}

inline std::wstring Wide(std::string_view latin1) {
    return WideFromCoreText(latin1);
}

// Latin-1 bytes of a text the window shows; a character beyond Latin-1 reads as 0.
inline std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t unit : text) {
        narrow.push_back(unit <= 0xFF ? static_cast<char>(unit) : '\0');
    }
    return narrow;
}

inline HWND Child(HWND window, ControlId id) {
    return GetDlgItem(window, FARB_FIRST_CONTROL_ID + static_cast<int>(id));
}

inline HWND FindTopLevel(LPCWSTR windowClass, std::wstring_view title) {
    HWND found = nullptr;
    Eventually([&] {
        found = FindWindowW(windowClass, std::wstring(title).c_str());
        return found && IsWindowVisible(found);
    });
    return found;
}

// Posted presses and keys, which reach a window even under a modal box.
inline void Press(HWND control, int x, int y, UINT message = WM_LBUTTONDOWN) {
    PostMessageW(control, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
    PostMessageW(control, message + 1, 0, MAKELPARAM(x, y));
}

inline void PressCentre(HWND control) {
    RECT area;
    GetClientRect(control, &area);
    Press(control, area.right / 2, area.bottom / 2);
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

// The fake's log line for a write of `bytes`: "FT_Write(FF 4B)".
inline std::string WriteLine(std::string_view bytes) {
    std::string line = "FT_Write(";
    for (const unsigned char byte : bytes) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%s%02X", line.back() == '(' ? "" : " ", byte);
        line += pair;
    }
    return line + ")";
}

// The lamp was sent `bytes` after the first `since` characters of the log, within a few seconds.
inline bool SentSince(const std::string& log, std::size_t since, std::string_view bytes) {
    return Eventually(
        [&] { return ReadFile(log).find(WriteLine(bytes), since) != std::string::npos; }, 5s);
}

// The window's control shows `text` within a few seconds.
inline bool Shows(HWND main, ControlId label, std::string_view text) {
    return Eventually([&] { return Text(Child(main, label)) == Wide(text); }, 5s);
}

inline void Key(HWND control, WPARAM key) {
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, 1 | 3u << 30);
}

// The control with the keyboard focus in the program's window thread.
inline HWND Focus(HWND main) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
    return info.hwndFocus;
}

// The program's tooltip window while it shows, else null.
inline HWND ShownToolTip(HWND main) {
    const DWORD program = GetWindowThreadProcessId(main, nullptr);
    HWND tip = nullptr;
    while ((tip = FindWindowExW(nullptr, tip, L"tooltips_class32", nullptr))) {
        if (GetWindowThreadProcessId(tip, nullptr) == program && IsWindowVisible(tip)) {
            return tip;
        }
    }
    return nullptr;
}

// A key typed for real, through the system's input queue.
inline void TypeKey(WORD key, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

// A key pressed on one control and released on the next, as Tab is.
inline bool TabTo(HWND main, HWND next, WORD modifier = 0) {
    for (const WORD key : {modifier, WORD{VK_TAB}}) {
        if (key) {
            TypeKey(key, false);
        }
    }
    const bool moved = Eventually([&] { return Focus(main) == next; });
    for (const WORD key : {WORD{VK_TAB}, modifier}) {
        if (key) {
            TypeKey(key, true);
        }
    }
    return moved;
}

}  // namespace farb::inspect
