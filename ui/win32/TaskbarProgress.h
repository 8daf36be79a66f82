#pragma once

#include <windows.h>

#include <shobjidl.h>

#include "FormFrontEnd.h"

namespace farb {

// The treatment's progress on the window's task-bar button. The button can be reached only once
// the shell has announced it (ButtonCreated), which it does again after Explorer restarts; until
// then, and where it never does, the progress is only remembered. COM must be initialised on the
// calling thread.
class TaskbarProgress {
  public:
    explicit TaskbarProgress(HWND window);
    TaskbarProgress(const TaskbarProgress&) = delete;
    TaskbarProgress& operator=(const TaskbarProgress&) = delete;
    ~TaskbarProgress();

    // The shell's message that the button exists.
    UINT ButtonCreatedMessage() const { return buttonCreated_; }
    void ButtonCreated();
    void Show(const TreatmentProgress& progress);

  private:
    void Apply();

    HWND window_;
    UINT buttonCreated_;
    ITaskbarList3* taskbar_ = nullptr;
    TreatmentProgress progress_;
};

}  // namespace farb
