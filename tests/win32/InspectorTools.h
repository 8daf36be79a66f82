#pragma once

// What farb-inspect reads and does from outside the program: its checks, the program's controls
// through window messages, presses and keys, and the fake ftd2xx.dll's log.

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ControlTable.h"

namespace farb::inspect {

using namespace std::chrono_literals;

// Prints the result; a failed check counts into Failures().
void Check(bool passed, const std::string& what);
int Failures();
// Polls until `condition` holds or the deadline passes; the machine's speed decides nothing else.
bool Eventually(const std::function<bool()>& condition, std::chrono::milliseconds limit = 10s);

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
std::wstring Text(HWND window);
std::vector<std::wstring> Items(HWND list);
std::wstring Wide(std::string_view latin1);
std::string Narrow(const std::wstring& text);
HWND Child(HWND window, ControlId id);
HWND FindTopLevel(LPCWSTR windowClass, std::wstring_view title);
// The window's control shows `text` within a few seconds.
bool Shows(HWND main, ControlId label, std::string_view text);
// The control with the keyboard focus in the program's window thread.
HWND Focus(HWND main);
// The program's tooltip window while it shows, else null.
HWND ShownToolTip(HWND main);

// Posted presses and keys, which reach a window even under a modal box.
void Press(HWND control, int x, int y, UINT message = WM_LBUTTONDOWN);
void PressCentre(HWND control);
void Key(HWND control, WPARAM key);
// A key typed for real, through the system's input queue.
void TypeKey(WORD key, bool release);

std::string ReadFile(const std::string& path);
// The fake's log line for a write of `bytes`: "FT_Write(FF 4B)".
std::string WriteLine(std::string_view bytes);
// The lamp was sent `bytes` after the first `since` characters of the log, within a few seconds.
bool SentSince(const std::string& log, std::size_t since, std::string_view bytes);

}  // namespace farb::inspect
