#include "Speech.h"

#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <optional>

#include "FormTexts.h"
#include "InspectorTools.h"
#include "SpeechRecorder.h"
#include "TreatmentControl.h"

namespace farb::inspect {
namespace {

// The name AccessibleObjectFromWindow gives `control`'s client object; "?" where none answers.
std::wstring AccessibleName(HWND control) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          IID_IAccessible, reinterpret_cast<void**>(&object))) ||
        !object) {
        return L"?";
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::wstring read = SUCCEEDED(object->get_accName(self, &name)) && name
                            ? std::wstring(name, SysStringLen(name))
                            : L"";
    SysFreeString(name);
    object->Release();
    return read;
}

std::vector<std::wstring> Texts(const std::vector<HeardEvent>& events) {
    std::vector<std::wstring> texts;
    for (const HeardEvent& heard : events) {
        texts.push_back(heard.name);
    }
    return texts;
}

std::string Joined(const std::vector<std::wstring>& texts) {
    std::string joined;
    for (const std::wstring& text : texts) {
        joined += (joined.empty() ? "'" : ", '") + Narrow(text) + "'";
    }
    return joined;
}

// What the treatment's reader has been told, one text a line, in the order of the steps.
class Transcript {
  public:
    explicit Transcript(const SpeechRecorder& recorder) : recorder_(recorder) {}

    // The live region's next announcement is `text` (Latin-1), and none came besides.
    void Next(std::string_view text, const std::string& step,
              std::chrono::milliseconds limit = 10s) {
        expected_.push_back(Wide(text));
        Eventually([&] { return Spoken().size() >= expected_.size(); }, limit);
        const std::vector<std::wstring> spoken = Spoken();
        Check(spoken == expected_, step + ": the reader hears '" + std::string(text) + "'" +
                                       (spoken == expected_ ? "" : "; heard " + Joined(spoken)));
    }

    // Nothing more was announced than the steps so far.
    void NothingMore(const std::string& step) {
        const std::vector<std::wstring> spoken = Spoken();
        Check(spoken == expected_, step + ": nothing announced" +
                                       (spoken == expected_ ? "" : "; heard " + Joined(spoken)));
    }

    const std::vector<std::wstring>& Expected() const { return expected_; }

    std::vector<std::wstring> Spoken() const {
        return Texts(recorder_.Heard(EVENT_OBJECT_LIVEREGIONCHANGED));
    }

  private:
    const SpeechRecorder& recorder_;
    std::vector<std::wstring> expected_;
};

// The focus event on `list` after the first `since` events, once it comes.
std::optional<HeardEvent> FocusOn(const SpeechRecorder& recorder, std::size_t since, HWND list) {
    std::optional<HeardEvent> found;
    Eventually([&] {
        const std::vector<HeardEvent> heard = recorder.Heard();
        for (std::size_t i = since; i < heard.size(); ++i) {
            if (heard[i].event == EVENT_OBJECT_FOCUS && heard[i].window == list) {
                found = heard[i];
            }
        }
        return found.has_value();
    });
    return found;
}

// The reader was told the list's selected item by a focus event on it.
void CheckFocusTellsItem(const SpeechRecorder& recorder, std::size_t since, HWND list,
                         const std::string& what) {
    const LRESULT selected = Send(list, LB_GETCURSEL);
    const std::vector<std::wstring> items = Items(list);
    const std::optional<HeardEvent> focus = FocusOn(recorder, since, list);
    const bool named = focus && selected >= 0 &&
                       static_cast<std::size_t>(selected) < items.size() &&
                       focus->child == selected + 1 && focus->name == items[selected];
    Check(named, what + ": a focus event on item " + std::to_string(selected + 1) + " '" +
                     (selected >= 0 && static_cast<std::size_t>(selected) < items.size()
                          ? Narrow(items[selected])
                          : "") +
                     "'" + (focus ? ", heard " + Describe(*focus) : ", none heard"));
}

// Whether a name given through the annotation service reads back here: Wine's accessibility
// library takes the service's calls and keeps nothing.
bool AnnotationsRead() {
    HWND probe = CreateWindowExW(0, L"STATIC", L"shown", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 nullptr, nullptr);
    IAccPropServices* services = nullptr;
    CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                     reinterpret_cast<void**>(&services));
    wchar_t name[] = L"annotated";
    if (services) {
        services->SetHwndPropStr(probe, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 PROPID_ACC_NAME, name);
    }
    const bool read = AccessibleName(probe) == name;
    if (services) {
        services->Release();
    }
    DestroyWindow(probe);
    return read;
}

int SecondsShown(HWND main) {
    const std::string shown = Narrow(Text(Child(main, ControlId::lt)));
    const std::size_t colon = shown.find(':');
    return colon == std::string::npos
               ? -1
               : std::stoi(shown.substr(0, colon)) * 60 + std::stoi(shown.substr(colon + 1));
}

// Ticks of the treatment's timer, posted as the system would send them: a minute passes without
// the minute's wait.
void PostTicks(HWND main, int count) {
    for (int tick = 0; tick < count; ++tick) {
        PostMessageW(main, WM_TIMER, 1, 0);
    }
}

void Press(WORD key) {
    TypeKey(key, false);
    TypeKey(key, true);
}

}  // namespace

void CheckAccessibleNames(HWND main) {
    const bool annotated = AnnotationsRead();
    for (const ControlLayout& entry : Controls()) {
        if (entry.kind == ControlKind::Picture) {
            continue;
        }
        HWND control = Child(main, entry.id);
        const std::string name(entry.name);
        const std::wstring shown = Text(control);
        const std::wstring expected =
            entry.accessibleName.empty() ? shown : Wide(entry.accessibleName);
        const std::wstring read = AccessibleName(control);
        if (!annotated && expected != shown) {
            std::printf(
                "skip %s: only the annotation service names it '%s', and it reads as '%s'\n",
                name.c_str(), Narrow(expected).c_str(), Narrow(read).c_str());
            continue;
        }
        Check(!read.empty() && read == expected,
              name + " reads as '" + Narrow(read) + "'" +
                  (read == expected ? "" : ", expected '" + Narrow(expected) + "'"));
    }
}

void CheckSpokenTreatment(HWND main, const std::string& unplugged) {
    HWND lbh = Child(main, ControlId::lbh);
    HWND lbg = Child(main, ControlId::lbg);
    HWND start = Child(main, ControlId::Shape1);
    HWND pause = Child(main, ControlId::Shape3);
    HWND stop = Child(main, ControlId::Shape2);
    Check(Eventually([&] { return Narrow(Text(Child(main, ControlId::ComboBox1))) == "USB"; }),
          "the status box finds the lamp");
    DWORD process = 0;
    GetWindowThreadProcessId(main, &process);
    SpeechRecorder recorder(process);
    Check(recorder.Hooked(), "the program's WinEvents are hooked out of context");
    Transcript said(recorder);
    HWND live = GetDlgItem(main, IDC_LIVE_REGION);
    Check(AccessibleName(live) == L"Meldungen",
          "before the first announcement the live region reads as '" +
              Narrow(AccessibleName(live)) + "'");

    SetForegroundWindow(main);
    Check(Eventually([&] { return Focus(main) == lbh; }), "the categories have the focus");
    Check(TabTo(main, stop, VK_SHIFT), "Shift+Tab moves back to Stop");
    std::size_t since = recorder.Heard().size();
    Check(TabTo(main, lbh), "Tab moves into the categories");
    CheckFocusTellsItem(recorder, since, lbh, "Tab into the categories");
    Check(TabTo(main, lbg), "Tab moves on to the programmes");
    since = recorder.Heard().size();
    Press(VK_DOWN);
    Check(Shows(main, ControlId::lt, "19:00") && Send(lbg, LB_GETCURSEL) == 0,
          "Down chooses the first programme");
    CheckFocusTellsItem(recorder, since, lbg, "the first Down in the programmes");
    said.Next("Adipositas (Fettsucht, 19 Min.", "Down");
    CheckAccessibleNames(main);

    Check(TabTo(main, start), "Tab moves on to Start");
    Press(VK_SPACE);
    said.Next("Behandlung l\xE4uft: Adipositas (Fettsucht, noch 19:00", "Space on Start");
    Check(Shows(main, ControlId::lt, "18:58"), "two ticks of the running treatment");
    said.NothingMore("the plain ticks");
    PostTicks(main, SecondsShown(main) - 14 * 60);
    Check(Eventually([&] { return SecondsShown(main) <= 14 * 60; }), "the fifth minute ends");
    said.Next("jetzt gelb, 3 Min., noch 14:00", "yellow after the green five minutes");

    Check(TabTo(main, pause), "Tab moves on to Pause");
    Press(VK_SPACE);
    Check(Shows(main, ControlId::Label1, kStatusPause), "Space presses Pause");
    const std::string at = Narrow(Text(Child(main, ControlId::lt)));
    said.Next("Pause bei " + at, "Space on Pause");
    Press(VK_F2);
    said.Next("Adipositas (Fettsucht, Pause, noch " + at + ", jetzt gelb, danach orange 3 Min.",
              "F2");

    // The lamp's poll runs on its own timer while no treatment does.
    std::fclose(std::fopen(unplugged.c_str(), "wb"));
    said.Next("keine Verbindung", "the lamp unplugged", 20s);
    DeleteFileA(unplugged.c_str());
    said.Next("Lampe verbunden", "the lamp plugged in again", 20s);

    Check(TabTo(main, start, VK_SHIFT), "Shift+Tab moves back to Start");
    Press(VK_SPACE);
    said.Next("Behandlung l\xE4uft: Adipositas (Fettsucht, noch " + at, "Start once more");
    Check(TabTo(main, pause) && TabTo(main, stop), "Tab moves on to Stop");
    Press(VK_SPACE);
    said.Next("Behandlung gestoppt", "Space on Stop");

    Check(TabTo(main, pause, VK_SHIFT) && TabTo(main, start, VK_SHIFT),
          "Shift+Tab moves back to Start");
    Press(VK_SPACE);
    said.Next("Behandlung l\xE4uft: Adipositas (Fettsucht, noch 19:00", "Start after Stop");
    PostTicks(main, 19 * 60);
    for (const char* change :
         {"jetzt gelb, 3 Min., noch 14:00", "jetzt orange, 3 Min., noch 11:00",
          "jetzt gelb, 3 Min., noch 8:00", "jetzt gr\xFCn, 5 Min., noch 5:00"}) {
        said.Next(change, "the whole programme");
    }
    said.Next("Behandlung beendet: Adipositas (Fettsucht", "the programme's end");
    Check(AccessibleName(live) == said.Expected().back(),
          "the live region reads as its last announcement");

    // The focus event raised after them follows every announcement made before.
    since = recorder.Heard().size();
    Check(TabTo(main, pause), "Tab moves on to Pause");
    Check(FocusOn(recorder, since, pause).has_value(), "a focus event on Pause");
    said.NothingMore("at the end, none twice");

    for (const HeardEvent& heard : recorder.Heard()) {
        std::printf("     heard %s\n", Describe(heard).c_str());
    }
}

}  // namespace farb::inspect
