#pragma once

// What a screen reader outside the program is told: the program's WinEvents, hooked out of
// context, each with the name its object had when the event came.

#include <windows.h>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace farb::inspect {

struct HeardEvent {
    DWORD event = 0;
    HWND window = nullptr;
    LONG object = 0;
    LONG child = 0;
    // The object's accName through AccessibleObjectFromEvent, and what get_accName answered.
    // Wine's accessibility library knows no list items: there a list item's name is its text,
    // as Windows' list reads it, and `itemText` says so.
    std::wstring name;
    HRESULT named = E_FAIL;
    bool itemText = false;
};

// "8005 focus 0x1234 client child 2 'Adipositas' (S_OK)"
std::string Describe(const HeardEvent& heard);

// Hooks the events from EVENT_OBJECT_FOCUS to EVENT_OBJECT_LIVEREGIONCHANGED of one process on
// a thread of its own, which pumps messages: an out-of-context hook is called only while its
// thread does. The callers' waits may thus sleep.
class SpeechRecorder {
  public:
    explicit SpeechRecorder(DWORD process);
    ~SpeechRecorder();
    SpeechRecorder(const SpeechRecorder&) = delete;
    SpeechRecorder& operator=(const SpeechRecorder&) = delete;

    bool Hooked() const { return hooked_; }
    // Every event heard so far, in the order they came, up to the first whose name is still
    // being read.
    std::vector<HeardEvent> Heard() const;
    // The events of kind `event` heard so far.
    std::vector<HeardEvent> Heard(DWORD event) const;

  private:
    static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                 LONG child, DWORD thread, DWORD time);
    void Run(DWORD process);

    mutable std::mutex mutex_;
    std::condition_variable ready_;
    bool started_ = false;
    bool hooked_ = false;
    DWORD threadId_ = 0;
    std::vector<HeardEvent> heard_;
    std::vector<bool> complete_;  // each event's name read
    std::thread thread_;
};

}  // namespace farb::inspect
