#include <windows.h>

#include <objbase.h>

#include "Dialogs.h"
#include "Dpi.h"
#include "LampLink.h"
#include "MainWindow.h"
#include "MutexInstanceLock.h"
#include "RealSleep.h"
#include "SingleStart.h"
#include "SystemDriver.h"

namespace {

// The program's second form: an empty window that is never shown.
HWND CreateForm2(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"Farbprogramm.Form2";
    RegisterClassExW(&windowClass);
    return CreateWindowExW(0, windowClass.lpszClassName, L"Form2", WS_OVERLAPPEDWINDOW,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                           nullptr, instance, nullptr);
}

int RunMessageLoop(farb::MainWindow& main) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab and Shift+Tab move the focus between the lists, as in a dialog.
        if (!main.TranslateShortcut(message) && !IsDialogMessageW(main.Handle(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    farb::BecomeDpiAware();
    // The image decoder and the accessibility annotations are COM objects.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    farb::MutexInstanceLock lock;
    if (!farb::ClaimSoleInstance(lock, [](std::string_view title, std::string_view text) {
            farb::ShowInformationBox(nullptr, title, text);
        })) {
        return 1;
    }

    const std::unique_ptr<farb::FtDriver> driver = farb::CreateSystemDriver();
    farb::LampLink lampLink(*driver, {.sleep = farb::SleepOnThisThread});
    farb::MainWindow Form1(instance, lampLink);
    Form1.Show();
    const HWND Form2 = CreateForm2(instance);
    const int exitCode = RunMessageLoop(Form1);
    DestroyWindow(Form2);
    return exitCode;
}
