#include "SpeechRecorder.h"

#include <oleacc.h>

#include <algorithm>
#include <cstdio>

#include "InspectorTools.h"

namespace farb::inspect {
namespace {

// The one recorder whose hook is set; the callback has no other way to find it.
SpeechRecorder* recording = nullptr;

// Only these carry a name a reader speaks; reading it for every other event would slow the
// program down with cross-process calls.
bool Spoken(DWORD event) {
    return event == EVENT_OBJECT_FOCUS || event == EVENT_OBJECT_SELECTION ||
           event == EVENT_OBJECT_LIVEREGIONCHANGED || event == EVENT_OBJECT_NAMECHANGE;
}

void ReadName(HeardEvent& heard) {
    IAccessible* object = nullptr;
    VARIANT child;
    VariantInit(&child);
    heard.named = AccessibleObjectFromEvent(heard.window, static_cast<DWORD>(heard.object),
                                            static_cast<DWORD>(heard.child), &object, &child);
    if (FAILED(heard.named) || !object) {
        return;
    }
    BSTR name = nullptr;
    heard.named = object->get_accName(child, &name);
    if (name) {
        heard.name.assign(name, SysStringLen(name));
        SysFreeString(name);
    }
    object->Release();
    wchar_t windowClass[16] = {};
    GetClassNameW(heard.window, windowClass, 16);
    if (FAILED(heard.named) && heard.child > 0 && lstrcmpiW(windowClass, L"ListBox") == 0) {
        heard.itemText = true;
        const std::vector<std::wstring> items = Items(heard.window);
        const auto item = static_cast<std::size_t>(heard.child - 1);
        heard.name = item < items.size() ? items[item] : L"";
    }
}

}  // namespace

std::string Describe(const HeardEvent& heard) {
    const char* kind = heard.event == EVENT_OBJECT_FOCUS               ? "focus"
                       : heard.event == EVENT_OBJECT_SELECTION         ? "selection"
                       : heard.event == EVENT_OBJECT_LIVEREGIONCHANGED ? "live region"
                       : heard.event == EVENT_OBJECT_NAMECHANGE        ? "name"
                                                                       : "other";
    char head[96];
    std::snprintf(head, sizeof head, "%04lX %s %d/%ld child %ld", heard.event, kind,
                  GetDlgCtrlID(heard.window), heard.object, heard.child);
    std::string line = head;
    if (Spoken(heard.event)) {
        char result[16];
        std::snprintf(result, sizeof result, "%08lX", static_cast<unsigned long>(heard.named));
        line += " '" + Narrow(heard.name) + "' (" + result + (heard.itemText ? ", item text" : "") +
                ")";
    }
    return line;
}

SpeechRecorder::SpeechRecorder(DWORD process) : thread_([this, process] { Run(process); }) {
    std::unique_lock lock(mutex_);
    ready_.wait(lock, [this] { return started_; });
}

SpeechRecorder::~SpeechRecorder() {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
}

std::vector<HeardEvent> SpeechRecorder::Heard() const {
    std::lock_guard lock(mutex_);
    const auto unread = std::find(complete_.begin(), complete_.end(), false);
    return {heard_.begin(), heard_.begin() + (unread - complete_.begin())};
}

std::vector<HeardEvent> SpeechRecorder::Heard(DWORD event) const {
    std::vector<HeardEvent> kind;
    for (const HeardEvent& heard : Heard()) {
        if (heard.event == event) {
            kind.push_back(heard);
        }
    }
    return kind;
}

void CALLBACK SpeechRecorder::OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object,
                                      LONG child, DWORD, DWORD) {
    HeardEvent heard{event, window, object, child, {}, S_FALSE};
    // In its place before the name is read: reading waits for the program, and meanwhile the
    // next event's call may come and end first.
    std::size_t place = 0;
    {
        std::lock_guard lock(recording->mutex_);
        place = recording->heard_.size();
        recording->heard_.push_back(heard);
        recording->complete_.push_back(false);
    }
    // Read now: the next announcement replaces the live region's text.
    if (Spoken(event)) {
        ReadName(heard);
    }
    std::lock_guard lock(recording->mutex_);
    recording->heard_[place] = heard;
    recording->complete_[place] = true;
}

void SpeechRecorder::Run(DWORD process) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    MSG message;
    // The thread's queue, before anyone may post the quit to it.
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
    recording = this;
    // Without WINEVENT_SKIPOWNPROCESS, which the process filter makes needless: Wine 8's server
    // compares it with the hooked process rather than the hook's own, and so hides the program.
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_LIVEREGIONCHANGED,
                                         nullptr, OnEvent, process, 0, WINEVENT_OUTOFCONTEXT);
    {
        std::lock_guard lock(mutex_);
        threadId_ = GetCurrentThreadId();
        hooked_ = hook != nullptr;
        started_ = true;
    }
    ready_.notify_all();
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    if (hook) {
        UnhookWinEvent(hook);
    }
    recording = nullptr;
    CoUninitialize();
}

}  // namespace farb::inspect
