#pragma once

#include <windows.h>

namespace farb {

// Holds off the system's sleep on idle, never the display's: through a power request where the
// system has them, else through the UI thread's execution state. Released when destroyed.
class AwakeRequest {
  public:
    AwakeRequest() = default;
    AwakeRequest(const AwakeRequest&) = delete;
    AwakeRequest& operator=(const AwakeRequest&) = delete;
    ~AwakeRequest();

    // Call on the thread that created the window: the execution state belongs to a thread.
    void Hold(bool on);

  private:
    enum class Means { None, PowerRequest, ExecutionState };

    bool SetPowerRequest();

    HANDLE request_ = nullptr;  // made at the first hold; INVALID_HANDLE_VALUE where refused
    Means held_ = Means::None;
};

}  // namespace farb
