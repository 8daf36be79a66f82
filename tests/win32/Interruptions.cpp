#include "Interruptions.h"

#include <string_view>
#include <utility>

#include "InspectorTools.h"
#include "TreatmentControl.h"

namespace farb::inspect {
namespace {

// The binary lamp's off command, which the programs here talk to.
const std::string kOff = "\xFF\x4B";

bool OffSince(const std::string& log, std::size_t since) {
    return ReadFile(log).find(WriteLine(kOff), since) != std::string::npos;
}

bool StartRunning(HWND main) {
    PressCentre(Child(main, ControlId::Shape1));
    return Shows(main, ControlId::Label1, kStatusRemaining);
}

// A tick shown after the key was queued was dispatched after it, since the system hands out
// input before timer messages.
bool TicksAfterKeys(HWND main) {
    const std::wstring before = Text(Child(main, ControlId::lt));
    return Eventually([&] { return Text(Child(main, ControlId::lt)) != before; });
}

// A key pressed on one control and released on the next, as Tab is.
bool TabTo(HWND main, HWND next, bool backwards = false) {
    if (backwards) {
        TypeKey(VK_SHIFT, false);
    }
    TypeKey(VK_TAB, false);
    const bool moved = Eventually([&] { return Focus(main) == next; });
    TypeKey(VK_TAB, true);
    if (backwards) {
        TypeKey(VK_SHIFT, true);
    }
    return moved;
}

struct Choice {
    LRESULT category;
    LRESULT programme;
};

Choice ChoiceOf(HWND main) {
    return {Send(Child(main, ControlId::lbh), LB_GETCURSEL),
            Send(Child(main, ControlId::lbg), LB_GETCURSEL)};
}

void CheckStillRunning(HWND main, const std::string& log, std::size_t since, Choice chosen,
                       const std::string& what) {
    const bool ticking = TicksAfterKeys(main) && TicksAfterKeys(main);
    Check(ticking && Text(Child(main, ControlId::Label1)) == Wide(kStatusRemaining) &&
              !OffSince(log, since),
          what + ": the treatment runs on, the lamp stays lit");
    const Choice now = ChoiceOf(main);
    Check(now.category == chosen.category && now.programme == chosen.programme,
          what + ": the category and the programme stay chosen");
}

// Wine's trace of the program, where the run records one: the calls of the power functions it
// relays, and the first call of each of the task bar's stubs (their numbers in hex).
class Trace {
  public:
    explicit Trace(std::string path) : path_(std::move(path)) {}
    bool Recorded() const { return !path_.empty(); }
    std::string Text() const { return ReadFile(path_); }
    void Mark() { mark_ = Text().size(); }
    bool ShowsSinceMark(std::string_view text) const {
        return Eventually([&] { return Text().find(text, mark_) != std::string::npos; }, 5s);
    }

  private:
    std::string path_;
    std::size_t mark_ = 0;
};

constexpr std::string_view kStayAwake = "Call KERNEL32.SetThreadExecutionState(80000001)";
constexpr std::string_view kMaySleep = "Call KERNEL32.SetThreadExecutionState(80000000)";

// Wine refuses the power request, so the execution state holds the machine awake.
void CheckAwakeWhileRunning(const Trace& trace) {
    const std::string text = trace.Text();
    const std::size_t request = text.find("Call KERNEL32.PowerCreateRequest(");
    Check(trace.ShowsSinceMark(kStayAwake) && request < text.find(kStayAwake),
          "running, the machine is kept awake: a power request, refused, then the execution "
          "state");
}

void CheckSleep(HWND main, const std::string& log, Trace& trace) {
    trace.Mark();
    Check(StartRunning(main), "Start once more: Restdauer");
    if (trace.Recorded()) {
        CheckAwakeWhileRunning(trace);
        trace.Mark();
    }
    std::size_t since = ReadFile(log).size();
    // Read the moment the window answers: the system may sleep from then on.
    const LRESULT granted = Send(main, WM_POWERBROADCAST, PBT_APMSUSPEND);
    Check(granted == TRUE && OffSince(log, since) &&
              Text(Child(main, ControlId::Label1)) == Wide(kStatusPause),
          "a sleep pauses the treatment, the lamp off before the window answers");
    const std::wstring paused = Text(Child(main, ControlId::lt));
    since = ReadFile(log).size();
    Send(main, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND);
    Send(main, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC);
    Check(Text(Child(main, ControlId::Label1)) == Wide(kStatusPause) &&
              Text(Child(main, ControlId::lt)) == paused &&
              ReadFile(log).find("FT_Write", since) == std::string::npos,
          "waking up leaves it paused, the lamp untouched");
    if (!trace.Recorded()) {
        return;
    }
    Check(trace.ShowsSinceMark(kMaySleep), "paused, the machine may sleep again");
    // As the shell does once the button exists; Wine's shell does not.
    trace.Mark();
    Send(main, RegisterWindowMessageW(L"TaskbarButtonCreated"));
    Check(trace.ShowsSinceMark("ullTotal 474 stub!") && trace.ShowsSinceMark("flags 8 stub!"),
          "the task-bar button shows the 19 minutes' progress, paused");
}

void CheckSessionEnd(HWND main, const std::string& log, Trace& trace) {
    trace.Mark();
    Check(StartRunning(main), "Start after the sleep: Restdauer");
    if (trace.Recorded()) {
        Check(trace.ShowsSinceMark(kStayAwake), "running again, the machine is kept awake");
        trace.Mark();
    }
    const std::size_t since = ReadFile(log).size();
    Check(Send(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF) == TRUE,
          "the window lets the session end");
    Send(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    const std::string ended = ReadFile(log);
    Check(ended.find(WriteLine(kOff), since) != std::string::npos,
          "the session's end switches the lamp off before the window answers");
    if (trace.Recorded()) {
        Check(trace.ShowsSinceMark(kMaySleep), "the session's end lets the machine sleep again");
    }
    // Windows may end the process now or, as here, send the close after all.
    PostMessageW(main, WM_CLOSE, 0, 0);
    Check(Eventually([&] { return !IsWindow(main); }) &&
              ReadFile(log).find("FT_Write", ended.size()) == std::string::npos,
          "the close afterwards sends the lamp nothing more");
}

}  // namespace

void CheckSleepAndSessionEnd(HWND main, const std::string& log, const std::string& trace) {
    Trace traced{trace};
    CheckSleep(main, log, traced);
    CheckSessionEnd(main, log, traced);
}

void CheckStrayKeys(HWND main, const std::string& log) {
    HWND lbh = Child(main, ControlId::lbh);
    HWND lbg = Child(main, ControlId::lbg);
    Check(StartRunning(main), "Start: Restdauer");
    const std::size_t since = ReadFile(log).size();
    const Choice chosen = ChoiceOf(main);
    Check(chosen.category >= 0 && chosen.programme >= 0, "a category and a programme chosen");
    Check(TabTo(main, Child(main, ControlId::Shape2)), "Tab moves on to Stop");
    Check(TabTo(main, lbh), "Tab from Stop moves into the categories");
    CheckStillRunning(main, log, since, chosen, "Tab released in the categories");
    Check(TabTo(main, lbg), "Tab moves on to the programmes");
    CheckStillRunning(main, log, since, chosen, "Tab released in the programmes");
    Check(TabTo(main, lbh, true), "Shift+Tab moves back to the categories");
    for (const WORD key : {VK_SPACE, VK_RETURN}) {
        TypeKey(key, false);
        TypeKey(key, true);
    }
    CheckStillRunning(main, log, since, chosen, "Space and Enter in the categories");
}

}  // namespace farb::inspect
