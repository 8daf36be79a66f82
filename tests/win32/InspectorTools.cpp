#include "InspectorTools.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

#include "CoreText.h"
#include "ResourceIds.h"

namespace farb::inspect {
namespace {

int failures = 0;

}  // namespace

int Failures() {
    return failures;
}

void Check(bool passed, const std::string& what) {
    std::printf("%s %s\n", passed ? "ok  " : "FAIL", what.c_str());
    std::fflush(stdout);
    failures += passed ? 0 : 1;
}

bool Eventually(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 3000, &result);
    return static_cast<LRESULT>(result);
}

std::wstring Text(HWND window) {
    std::wstring text(static_cast<std::size_t>(Send(window, WM_GETTEXTLENGTH)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

std::vector<std::wstring> Items(HWND list) {
    std::vector<std::wstring> items;
    for (LRESULT i = 0, count = Send(list, LB_GETCOUNT); i < count; ++i) {
        std::wstring item(static_cast<std::size_t>(Send(list, LB_GETTEXTLEN, i)) + 1, L'\0');
        item.resize(static_cast<std::size_t>(
            Send(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
        items.push_back(item);
    }
    return items;
}

std::wstring Wide(std::string_view latin1) {
    return WideFromCoreText(latin1);
}

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t unit : text) {
        narrow.push_back(CoreCharacterFromWide(unit));
    }
    return narrow;
}

HWND Child(HWND window, ControlId id) {
    return GetDlgItem(window, FARB_FIRST_CONTROL_ID + static_cast<int>(id));
}

HWND FindTopLevel(LPCWSTR windowClass, std::wstring_view title) {
    HWND found = nullptr;
    Eventually([&] {
        found = FindWindowW(windowClass, std::wstring(title).c_str());
        return found && IsWindowVisible(found);
    });
    return found;
}

void Press(HWND control, int x, int y, UINT message) {
    PostMessageW(control, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
    PostMessageW(control, message + 1, 0, MAKELPARAM(x, y));
}

void PressCentre(HWND control) {
    RECT area;
    GetClientRect(control, &area);
    Press(control, area.right / 2, area.bottom / 2);
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

std::string WriteLine(std::string_view bytes) {
    std::string line = "FT_Write(";
    for (const unsigned char byte : bytes) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%s%02X", line.back() == '(' ? "" : " ", byte);
        line += pair;
    }
    return line + ")";
}

bool SentSince(const std::string& log, std::size_t since, std::string_view bytes) {
    return Eventually(
        [&] { return ReadFile(log).find(WriteLine(bytes), since) != std::string::npos; }, 5s);
}

bool Shows(HWND main, ControlId label, std::string_view text) {
    return Eventually([&] { return Text(Child(main, label)) == Wide(text); }, 5s);
}

void Key(HWND control, WPARAM key) {
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, 1 | 3u << 30);
}

HWND Focus(HWND main) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
    return info.hwndFocus;
}

HWND ShownToolTip(HWND main) {
    const DWORD program = GetWindowThreadProcessId(main, nullptr);
    HWND tip = nullptr;
    while ((tip = FindWindowExW(nullptr, tip, L"tooltips_class32", nullptr))) {
        if (GetWindowThreadProcessId(tip, nullptr) == program && IsWindowVisible(tip)) {
            return tip;
        }
    }
    return nullptr;
}

void TypeKey(WORD key, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

}  // namespace farb::inspect
