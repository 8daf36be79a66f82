#include "Interruptions.h"

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

// Wine's trace of the program shows `text` after its first `since` characters.
bool Traced(const std::string& trace, std::size_t since, std::string_view text) {
    return Eventually([&] { return ReadFile(trace).find(text, since) != std::string::npos; }, 5s);
}

// What Wine's relay trace of the power calls says the program holds at its end. Wine 8 refuses
// the power request (the program then sets the execution state); Wine 10 grants it.
struct AwakeHold {
    bool byRequest = false;
    bool byExecutionState = false;
    bool Held() const { return byRequest || byExecutionState; }
};

AwakeHold HoldInTrace(const std::string& trace) {
    AwakeHold hold;
    std::istringstream lines(ReadFile(trace));
    for (std::string line; std::getline(lines, line);) {
        if (line.find("Ret  KERNEL32.PowerSetRequest() retval=00000001") != std::string::npos) {
            hold.byRequest = true;
        } else if (line.find("Call KERNEL32.PowerClearRequest(") != std::string::npos) {
            hold.byRequest = false;
        } else if (line.find("Call KERNEL32.SetThreadExecutionState(80000001)") !=
                   std::string::npos) {
            hold.byExecutionState = true;
        } else if (line.find("Call KERNEL32.SetThreadExecutionState(80000000)") !=
                   std::string::npos) {
            hold.byExecutionState = false;
        }
    }
    return hold;
}

// The trace comes to show the machine held awake, or let go.
bool TracedAwake(const std::string& trace, bool held) {
    return Eventually([&] { return HoldInTrace(trace).Held() == held; }, 5s);
}

std::string Means(const AwakeHold& hold) {
    return hold.byRequest ? "a power request" : "the execution state, the power request refused";
}

bool StartRunning(HWND main) {
    PressCentre(Child(main, ControlId::Shape1));
    return Shows(main, ControlId::Label1, kStatusRemaining);
}

std::pair<LRESULT, LRESULT> ChoiceOf(HWND main) {
    return {Send(Child(main, ControlId::lbh), LB_GETCURSEL),
            Send(Child(main, ControlId::lbg), LB_GETCURSEL)};
}

// Two ticks shown after the keys were queued were dispatched after them: the system hands out
// input before timer messages.
void CheckStillRunning(HWND main, const std::string& log, std::size_t since,
                       std::pair<LRESULT, LRESULT> chosen, const std::string& what) {
    bool ticking = true;
    for (int tick = 0; tick < 2; ++tick) {
        const std::wstring before = Text(Child(main, ControlId::lt));
        ticking &= Eventually([&] { return Text(Child(main, ControlId::lt)) != before; });
    }
    Check(ticking && Text(Child(main, ControlId::Label1)) == Wide(kStatusRemaining) &&
              !OffSince(log, since) && ChoiceOf(main) == chosen,
          what + ": the treatment runs on with its choice, the lamp lit");
}

void CheckSleep(HWND main, const std::string& log, const std::string& trace) {
    Check(StartRunning(main), "Start once more: Restdauer");
    if (!trace.empty()) {
        const bool held = TracedAwake(trace, true);
        const AwakeHold hold = HoldInTrace(trace);
        const std::string text = ReadFile(trace);
        Check(held && text.find("Call KERNEL32.PowerCreateRequest(") <
                          text.find("Call KERNEL32.SetThreadExecutionState("),
              "running, the machine is kept awake: the power request asked first, held by " +
                  Means(hold));
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
    if (!trace.empty()) {
        Check(TracedAwake(trace, false), "paused, the machine may sleep again");
        // As the shell does once the button exists; Wine's shell does not. Wine prints the
        // stubs' first call only, in hex.
        const std::size_t traced = ReadFile(trace).size();
        Send(main, RegisterWindowMessageW(L"TaskbarButtonCreated"));
        Check(Traced(trace, traced, "ullTotal 474 stub!") && Traced(trace, traced, "flags 8 stub!"),
              "the task-bar button shows the 19 minutes' progress, paused");
    }
}

void CheckSessionEnd(HWND main, const std::string& log, const std::string& trace) {
    Check(StartRunning(main), "Start after the sleep: Restdauer");
    if (!trace.empty()) {
        Check(TracedAwake(trace, true), "running again, the machine is kept awake");
    }
    const std::size_t since = ReadFile(log).size();
    Check(Send(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF) == TRUE,
          "the window lets the session end");
    Send(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    const std::string ended = ReadFile(log);
    Check(ended.find(WriteLine(kOff), since) != std::string::npos,
          "the session's end switches the lamp off before the window answers");
    if (!trace.empty()) {
        Check(TracedAwake(trace, false), "the session's end lets the machine sleep again");
    }
    // Windows may end the process now or, as here, send the close after all.
    PostMessageW(main, WM_CLOSE, 0, 0);
    Check(Eventually([&] { return !IsWindow(main); }) &&
              ReadFile(log).find("FT_Write", ended.size()) == std::string::npos,
          "the close afterwards sends the lamp nothing more");
}

}  // namespace

void CheckSleepAndSessionEnd(HWND main, const std::string& log, const std::string& trace) {
    CheckSleep(main, log, trace);
    CheckSessionEnd(main, log, trace);
}

void CheckStrayKeys(HWND main, const std::string& log) {
    HWND lbh = Child(main, ControlId::lbh);
    Check(StartRunning(main), "Start: Restdauer");
    const std::size_t since = ReadFile(log).size();
    const auto chosen = ChoiceOf(main);
    Check(chosen.first >= 0 && chosen.second >= 0, "a category and a programme chosen");
    Check(TabTo(main, Child(main, ControlId::Shape2)), "Tab moves on to Stop");
    Check(TabTo(main, lbh), "Tab from Stop moves into the categories");
    CheckStillRunning(main, log, since, chosen, "Tab released in the categories");
    Check(TabTo(main, Child(main, ControlId::lbg)), "Tab moves on to the programmes");
    CheckStillRunning(main, log, since, chosen, "Tab released in the programmes");
    Check(TabTo(main, lbh, VK_SHIFT), "Shift+Tab moves back to the categories");
    for (const WORD key : {VK_SPACE, VK_RETURN}) {
        TypeKey(key, false);
        TypeKey(key, true);
    }
    CheckStillRunning(main, log, since, chosen, "Space and Enter in the categories");
}

}  // namespace farb::inspect
