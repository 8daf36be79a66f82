// The program with a virtual lamp instead of the USB lamp, for trying it out on any machine: the
// main window over the simulated driver, with the real answer wait, and the lamp's own window.
#include <windows.h>

#include <objbase.h>

#include "Dpi.h"
#include "LampLink.h"
#include "MainWindow.h"
#include "RealSleep.h"
#include "ResourceIds.h"
#include "SimulatedDriver.h"
#include "VirtualLamp.h"
#include "VirtualLampWindow.h"
#include "WindowPlacement.h"

namespace {

// Side by side and centred as a pair when the screen is wide enough; otherwise the main window
// stays centred and the lamp window goes to the top right corner.
void PlaceSideBySide(HWND main, HWND lamp) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(main, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    RECT mainFrame;
    RECT lampFrame;
    GetWindowRect(main, &mainFrame);
    GetWindowRect(lamp, &lampFrame);
    const farb::WindowPair pair =
        farb::SideBySide({work.left, work.top, work.right - work.left, work.bottom - work.top},
                         {mainFrame.left, mainFrame.top, mainFrame.right - mainFrame.left,
                          mainFrame.bottom - mainFrame.top},
                         lampFrame.right - lampFrame.left,
                         farb::ScaledToDpi(farb::kDemoWindowGap, farb::WindowDpi(main)));
    const UINT flags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(main, nullptr, pair.main.x, pair.main.y, 0, 0, flags);
    SetWindowPos(lamp, nullptr, pair.lamp.x, pair.lamp.y, 0, 0, flags);
}

int RunMessageLoop(farb::MainWindow& main, HWND lamp) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab and the Alt keys of the buttons work in both windows, as in a dialog.
        if (!main.TranslateShortcut(message) && !IsDialogMessageW(main.Handle(), &message) &&
            !IsDialogMessageW(lamp, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

// No single-instance lock: each demo has a lamp of its own. The mutex only tells the setup
// program and the uninstaller that a demo runs; every demo opens the same one and none waits.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const HANDLE running = CreateMutexW(nullptr, FALSE, FARB_DEMO_MUTEX);
    farb::BecomeDpiAware();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    farb::SimulatedDriver driver;
    // The demo may run for hours; nobody reads the driver's record of calls here.
    driver.SetRecording(false);
    farb::VirtualLamp lamp(driver);

    farb::LampLink lampLink(driver, {.sleep = farb::SleepOnThisThread});
    farb::MainWindow Form1(instance, lampLink, farb::Edition::Demo);
    farb::VirtualLampWindow lampWindow(instance, lamp);
    PlaceSideBySide(Form1.Handle(), lampWindow.Handle());
    ShowWindow(lampWindow.Handle(), SW_SHOWNOACTIVATE);
    Form1.Show();
    // The main window's end ends the loop; the lamp window goes with this function.
    const int exitCode = RunMessageLoop(Form1, lampWindow.Handle());
    if (running) {
        CloseHandle(running);
    }
    return exitCode;
}
