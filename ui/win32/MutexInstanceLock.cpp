#include "MutexInstanceLock.h"

#include "ResourceIds.h"

namespace farb {

MutexInstanceLock::~MutexInstanceLock() {
    if (mutex_) {
        CloseHandle(mutex_);
    }
}

bool MutexInstanceLock::Claim() {
    mutex_ = CreateMutexW(nullptr, FALSE, FARB_INSTANCE_MUTEX);
    return mutex_ && GetLastError() != ERROR_ALREADY_EXISTS;
}

void MutexInstanceLock::KnockAtRunning() {
    HWND running = FindWindowW(FARB_WINDOW_CLASS, nullptr);
    if (!running) {
        return;
    }
    if (IsIconic(running)) {
        ShowWindow(running, SW_RESTORE);
    }
    // The operator just started this program, so Windows lets it hand over the foreground.
    SetForegroundWindow(running);
}

}  // namespace farb
