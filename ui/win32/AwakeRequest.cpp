#include "AwakeRequest.h"

namespace farb {

AwakeRequest::~AwakeRequest() {
    Hold(false);
    if (request_ && request_ != INVALID_HANDLE_VALUE) {
        CloseHandle(request_);
    }
}

void AwakeRequest::Hold(bool on) {
    if (on == (held_ != Means::None)) {
        return;
    }
    if (!on) {
        if (held_ == Means::PowerRequest) {
            PowerClearRequest(request_, PowerRequestSystemRequired);
        } else {
            SetThreadExecutionState(ES_CONTINUOUS);
        }
        held_ = Means::None;
        return;
    }
    if (SetPowerRequest()) {
        held_ = Means::PowerRequest;
        return;
    }
    // Wine, among others, refuses power requests.
    SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED);
    held_ = Means::ExecutionState;
}

bool AwakeRequest::SetPowerRequest() {
    if (!request_) {
        // Shown by "powercfg /requests" as the reason this program keeps the machine awake.
        wchar_t reason[] = L"Behandlung l\u00E4uft";
        REASON_CONTEXT context{};
        context.Version = POWER_REQUEST_CONTEXT_VERSION;
        context.Flags = POWER_REQUEST_CONTEXT_SIMPLE_STRING;
        context.Reason.SimpleReasonString = reason;
        request_ = PowerCreateRequest(&context);
        if (!request_) {
            request_ = INVALID_HANDLE_VALUE;
        }
    }
    return request_ != INVALID_HANDLE_VALUE &&
           PowerSetRequest(request_, PowerRequestSystemRequired);
}

}  // namespace farb
