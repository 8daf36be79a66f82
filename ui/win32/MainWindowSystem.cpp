// What the system tells the window and asks of it: the machine going to sleep, the session's end,
// the task-bar button; and the machine kept awake while a treatment runs.

#include "MainWindow.h"

#include "Accessibility.h"

namespace farb {

std::optional<LRESULT> MainWindow::OnSystemMessage(UINT message, WPARAM wParam) {
    if (taskbar_ && message == taskbar_->ButtonCreatedMessage()) {
        taskbar_->ButtonCreated();
        return 0;
    }
    switch (message) {
        case WM_POWERBROADCAST:
            // Windows sleeps once this returns: the lamp must be off by then. Waking up
            // changes nothing; the operator resumes.
            if (wParam == PBT_APMSUSPEND && form_) {
                form_->SystemSuspend();
            }
            return TRUE;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            // The process may be ended at any moment after this returns, without WM_CLOSE.
            if (wParam && form_) {
                form_->FormClose();
            }
            return 0;
    }
    return std::nullopt;
}

void MainWindow::KeepAwake(bool on) {
    awake_.Hold(on);
}

void MainWindow::ShowProgress(const TreatmentProgress& progress) {
    taskbar_->Show(progress);
}

// Nothing more on Windows: the flashing task-bar button and the sound already call the operator,
// and a notification would only repeat them.
void MainWindow::AnnounceEnd(const std::string&) {}

void MainWindow::Announce(const Announcement& announcement) {
    AnnounceInLiveRegion(liveRegion_, announcement.text, announcement.interrupts);
}

}  // namespace farb
