#pragma once

#include <windows.h>

#include <string>

namespace farb::inspect {

// With a treatment running: a sleep pauses it and a waking leaves it paused; the session's end
// switches the lamp off once, before the window answers. Leaves the program ended. Where `trace`
// names Wine's relay trace of the program, also that it keeps the machine awake only while the
// treatment runs, and its task-bar progress.
void CheckSleepAndSessionEnd(HWND main, const std::string& log, const std::string& trace);
// With a treatment running: Tab from Stop through the lists, and Space and Enter in a list,
// typed for real, leave it running with its choice. Leaves it running.
void CheckStrayKeys(HWND main, const std::string& log);

}  // namespace farb::inspect
