#include "TaskbarProgress.h"

namespace farb {

TaskbarProgress::TaskbarProgress(HWND window)
    : window_(window), buttonCreated_(RegisterWindowMessageW(L"TaskbarButtonCreated")) {
    // A program running elevated hears nothing from a shell of lower integrity otherwise.
    ChangeWindowMessageFilterEx(window, buttonCreated_, MSGFLT_ALLOW, nullptr);
}

TaskbarProgress::~TaskbarProgress() {
    if (taskbar_) {
        taskbar_->Release();
    }
}

void TaskbarProgress::ButtonCreated() {
    if (!taskbar_) {
        void* created = nullptr;
        if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_ITaskbarList3, &created))) {
            return;
        }
        taskbar_ = static_cast<ITaskbarList3*>(created);
        if (FAILED(taskbar_->HrInit())) {
            taskbar_->Release();
            taskbar_ = nullptr;
            return;
        }
    }
    Apply();
}

void TaskbarProgress::Show(const TreatmentProgress& progress) {
    progress_ = progress;
    Apply();
}

void TaskbarProgress::Apply() {
    if (!taskbar_) {
        return;
    }
    if (progress_.state == ProgressState::None) {
        taskbar_->SetProgressState(window_, TBPF_NOPROGRESS);
        return;
    }
    taskbar_->SetProgressValue(window_, static_cast<ULONGLONG>(progress_.elapsedSeconds),
                               static_cast<ULONGLONG>(progress_.totalSeconds));
    taskbar_->SetProgressState(
        window_, progress_.state == ProgressState::Running ? TBPF_NORMAL : TBPF_PAUSED);
}

}  // namespace farb
