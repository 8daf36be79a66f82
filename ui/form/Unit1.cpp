#include "Unit1.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "CategoryList.h"
#include "FormTexts.h"
#include "LineFields.h"
#include "ListRules.h"
#include "TreatmentTips.h"

namespace farb {
namespace {

constexpr std::array kHoverLabels{ControlId::LStart, ControlId::LPAUSE, ControlId::LSTOp};

// Which handler each control's events go to; a null entry ignores the event.
struct ControlEvents {
    ControlId control;
    void (TForm1::*listPress)(MouseButton, int);
    void (TForm1::*spotPress)(MouseButton);
    void (TForm1::*spotMove)();
    void (TForm1::*keyDown)(const KeyStroke&);
    void (TForm1::*keyUp)(int);
    void (TForm1::*exit)();
};

constexpr std::array kControlEvents{
    ControlEvents{ControlId::lbh, &TForm1::lbhMouseDown, nullptr, nullptr, &TForm1::lbhKeyDown,
                  &TForm1::lbhKeyUp, &TForm1::lbhExit},
    ControlEvents{ControlId::lbg, &TForm1::lbgMouseDown, nullptr, nullptr, &TForm1::lbgKeyDown,
                  &TForm1::lbgKeyUp, &TForm1::lbgExit},
    ControlEvents{ControlId::Shape1, nullptr, &TForm1::Shape1MouseDown, &TForm1::Shape1MouseMove,
                  nullptr, nullptr, nullptr},
    ControlEvents{ControlId::Shape2, nullptr, &TForm1::Shape2MouseDown, &TForm1::Shape2MouseMove,
                  nullptr, nullptr, nullptr},
    ControlEvents{ControlId::Shape3, nullptr, &TForm1::Shape3MouseDown, &TForm1::Shape3MouseMove,
                  nullptr, nullptr, nullptr},
    ControlEvents{ControlId::Shape4, nullptr, &TForm1::Shape4MouseDown, &TForm1::Shape4MouseMove,
                  nullptr, nullptr, nullptr},
};

const ControlEvents* EventsOf(ControlId control) {
    const auto* found = std::ranges::find(kControlEvents, control, &ControlEvents::control);
    return found == kControlEvents.end() ? nullptr : found;
}

int VisibleRows(ControlId list) {
    const ControlLayout& entry = Control(list);
    return entry.rect.height / entry.itemHeight;
}

}  // namespace

TForm1::TForm1(FormFrontEnd& frontEnd, FtDriver& driver, LampCommands::Sleep sleep,
               TherapyCatalogue catalogue)
    : frontEnd_(frontEnd),
      catalogue_(catalogue),
      lampLink_(driver, {.onDriverError =
                             [this](const std::string& text) {
                                 frontEnd_.ShowError(std::string(kDriverErrorTitle), text);
                             },
                         .onStatusItem = [this](int item) { ShowStatusItem(item); },
                         .sleep = std::move(sleep),
                         .pollTimer = [this](bool on) { SetPollTimer(on); }}),
      lamp_(lampLink_.commands),
      control_(catalogue, view_, timer_, lamp_),
      driverMissing_(!driver.HasLibrary()) {
    FormCreate();
}

void TForm1::FormCreate() {
    frontEnd_.SetItems(ControlId::ComboBox1, StatusItems());
    frontEnd_.SetText(ControlId::Label1, kStatusChoose);
    frontEnd_.SetText(ControlId::LStart, std::string(kHoverStart));
    frontEnd_.SetText(ControlId::LPAUSE, std::string(kHoverPause));
    frontEnd_.SetText(ControlId::LSTOp, std::string(kHoverStop));
    frontEnd_.SetToolTip(ControlId::Shape4, std::string(kSearchHint));
    for (ControlId label : kHoverLabels) {
        frontEnd_.SetVisible(label, false);
    }
    SetPollTimer(true);

    LineFields fields;
    SetItems(lbh_, FillCategoryList(catalogue_, fields));
    Select(lbh_, 0);
    RunEvent([this] { control_.FillProgramList(0); });
    frontEnd_.SetText(ControlId::lt, "");
}

void TForm1::FormActivate() {
    if (activated_) {
        return;
    }
    activated_ = true;
    if (!frontEnd_.ConfirmNotice()) {
        frontEnd_.Close();
    }
    lampLink_.discovery.ScanForLamp();
    ShowOpenFailure();
}

void TForm1::MouseDown(ControlId control, MouseButton button, int item) {
    if (const ControlEvents* events = EventsOf(control); events && events->listPress) {
        (this->*events->listPress)(button, item);
    } else if (events && events->spotPress) {
        (this->*events->spotPress)(button);
    }
}

void TForm1::MouseMove(ControlId control, int x, int y) {
    if (control == ControlId::Image1) {
        Image1MouseMove(x, y);
    } else if (const ControlEvents* events = EventsOf(control); events && events->spotMove) {
        (this->*events->spotMove)();
    }
}

// A held key presses once: a list moves once per press and release, and Space or Enter press
// a hot spot once.
void TForm1::KeyDown(ControlId control, const KeyStroke& key) {
    const ControlEvents* events = EventsOf(control);
    if (!events || key.repeated) {
        return;
    }
    if (events->keyDown) {
        (this->*events->keyDown)(key);
    } else if (events->spotPress && key.confirms) {
        (this->*events->spotPress)(MouseButton::Keyboard);
    }
}

void TForm1::KeyUp(ControlId control, int keyCode, bool repeated) {
    if (const ControlEvents* events = EventsOf(control); events && events->keyUp && !repeated) {
        (this->*events->keyUp)(keyCode);
    }
}

void TForm1::Exit(ControlId control) {
    if (const ControlEvents* events = EventsOf(control); events && events->exit) {
        (this->*events->exit)();
    }
}

void TForm1::FormClose() {
    closed_ = true;
    RunEvent([this] { control_.CloseTreatment(); });
}

void TForm1::Timer1Timer() {
    RunEvent([this] { control_.Tick(); });
}

void TForm1::Timer2Timer() {
    if (!timer1On_) {
        lampLink_.discovery.ScanForLamp();
    }
}

void TForm1::lbhMouseDown(MouseButton button, int item) {
    ListMouseDown(lbh_, button, item);
    RunEvent([this] { control_.SelectCategory(); });
}

void TForm1::lbgMouseDown(MouseButton button, int item) {
    ListMouseDown(lbg_, button, item);
    RunEvent([this] { control_.SelectProgram(); });
}

void TForm1::lbhKeyDown(const KeyStroke& key) {
    lbh_.keysDown[key.code] = key;
}

void TForm1::lbgKeyDown(const KeyStroke& key) {
    lbg_.keysDown[key.code] = key;
}

void TForm1::lbhKeyUp(int keyCode) {
    if (ListKeyUp(lbh_, keyCode)) {
        RunEvent([this] { control_.SelectCategory(); });
    }
}

void TForm1::lbgKeyUp(int keyCode) {
    if (ListKeyUp(lbg_, keyCode)) {
        RunEvent([this] { control_.SelectProgram(); });
    }
}

void TForm1::lbhExit() {
    lbh_.keysDown.clear();
}

void TForm1::lbgExit() {
    lbg_.keysDown.clear();
}

void TForm1::Shape1MouseDown(MouseButton) {
    RunEvent([this] { control_.StartTreatment(); });
}

void TForm1::Shape2MouseDown(MouseButton) {
    RunEvent([this] { control_.StopTreatment(); });
}

void TForm1::Shape3MouseDown(MouseButton) {
    RunEvent([this] { control_.PauseTreatment(); });
}

void TForm1::Shape1MouseMove() {
    ShowOnlyHoverLabel(ControlId::LStart);
}

void TForm1::Shape2MouseMove() {
    ShowOnlyHoverLabel(ControlId::LSTOp);
}

void TForm1::Shape3MouseMove() {
    ShowOnlyHoverLabel(ControlId::LPAUSE);
}

void TForm1::Shape4MouseDown(MouseButton button) {
    // Not for the right or middle button, which open nothing elsewhere either.
    if (button == MouseButton::Left || button == MouseButton::Assistive ||
        button == MouseButton::Keyboard) {
        SearchAndChoose();
    }
}

void TForm1::Shape4MouseMove() {
    ShowOnlyHoverLabel(ControlId::Image1);
}

void TForm1::SearchShortcut() {
    SearchAndChoose();
}

void TForm1::SearchAndChoose() {
    const int entry = frontEnd_.AskForProgramme();
    if (entry >= 0) {
        ChooseFoundProgramme(entry);
    }
}

void TForm1::Image1MouseMove(int x, int y) {
    // A hover label lies partly beside its hot spot; the pointer on it keeps it.
    if (shownHoverLabel_ != ControlId::Image1 && Control(shownHoverLabel_).rect.Contains(x, y)) {
        return;
    }
    ShowOnlyHoverLabel(ControlId::Image1);
}

std::vector<FoundProgramme> TForm1::FindProgrammes(std::string_view query) {
    if (!finder_) {
        finder_ = std::make_unique<ProgrammeFinder>(catalogue_);
    }
    return finder_->Find(query);
}

void TForm1::ChooseFoundProgramme(int entry) {
    if (!finder_ || entry < 0 || entry >= static_cast<int>(finder_->Entries().size())) {
        return;
    }
    const ProgrammeEntry& programme = finder_->Entry(entry);
    lbhMouseDown(MouseButton::Left, programme.category);
    lbgMouseDown(MouseButton::Left, programme.row);
}

void TForm1::SystemSuspend() {
    if (control_.State() == TreatmentState::Running) {
        RunEvent([this] { control_.PauseTreatment(); });
    }
}

int TForm1::Selection(ControlId list) const {
    return list == ControlId::lbh ? lbh_.selected : lbg_.selected;
}

bool TForm1::TimerOn(TimerId timer) const {
    return timer == TimerId::Timer1 ? timer1On_ : timer2On_;
}

void TForm1::ListMouseDown(ListState& list, MouseButton button, int item) {
    Select(list, SelectionAfterPress(list.selected, button, item < list.count ? item : -1));
}

bool TForm1::ListKeyUp(ListState& list, int keyCode) {
    const auto press = list.keysDown.extract(keyCode);
    if (press.empty()) {
        return false;
    }
    const auto& items = list.id == ControlId::lbh ? categoryNames_ : programNames_;
    const int before = list.selected;
    Select(list, SelectionAfterKey(list.selected, items, press.mapped(), VisibleRows(list.id)));
    return list.selected != before;
}

void TForm1::SetItems(ListState& list, const std::vector<std::string>& items) {
    (list.id == ControlId::lbh ? categoryNames_ : programNames_) = items;
    list.count = static_cast<int>(items.size());
    list.selected = -1;
    frontEnd_.SetItems(list.id, items);
}

void TForm1::Select(ListState& list, int index) {
    if (index == list.selected) {
        return;
    }
    list.selected = index;
    frontEnd_.SetSelection(list.id, index);
}

void TForm1::ShowOnlyHoverLabel(ControlId label) {
    if (label == shownHoverLabel_) {
        return;
    }
    for (ControlId hover : kHoverLabels) {
        if (hover == shownHoverLabel_ || hover == label) {
            frontEnd_.SetVisible(hover, hover == label);
        }
    }
    shownHoverLabel_ = label;
}

void TForm1::SetPollTimer(bool on) {
    timer2On_ = on;
    frontEnd_.SetTimer(TimerId::Timer2, on);
}

void TForm1::ShowStatusItem(int item) {
    frontEnd_.SetSelection(ControlId::ComboBox1, item);
    ShowOpenFailure();
}

// A lamp that is found but does not open still shows "USB"; the tooltip says why it stays dark.
void TForm1::ShowOpenFailure() {
    const std::string hint(driverMissing_ ? kMissingDriverHint
                                          : OpenFailureHint(lampLink_.link.LastOpenFailure()));
    if (hint != openFailureHint_) {
        openFailureHint_ = hint;
        frontEnd_.SetToolTip(ControlId::ComboBox1, hint);
    }
}

// The time text's tooltip follows the countdown, so it is right after every event and tick.
void TForm1::ShowCountdownTip() {
    const std::string tip = CountdownTipText(control_, lbg_.selected);
    if (tip != countdownTip_) {
        countdownTip_ = tip;
        frontEnd_.SetToolTip(ControlId::lt, tip);
    }
}

template <class Operation>
void TForm1::RunEvent(Operation&& operation) {
    try {
        operation();
    } catch (const std::exception& error) {
        frontEnd_.ShowError(std::string(kProgramTitle), error.what());
    }
    ShowOpenFailure();
    ShowCountdownTip();
    ShowTreatmentProgress();
}

void TForm1::ShowTreatmentProgress() {
    const TreatmentState state = closed_ ? TreatmentState::NothingChosen : control_.State();
    const int row = lbg_.selected;
    const bool chosen = row >= 0 && row < control_.Steps().ProgramCount();
    const std::int64_t total = chosen ? std::int64_t{control_.Steps().ProgramTotals(row)} * 60 : 0;
    TreatmentProgress progress;
    if ((state == TreatmentState::Running || state == TreatmentState::Paused) && total > 0 &&
        total <= std::numeric_limits<int>::max()) {
        progress.state =
            state == TreatmentState::Running ? ProgressState::Running : ProgressState::Paused;
        progress.totalSeconds = static_cast<int>(total);
        progress.elapsedSeconds = static_cast<int>(
            std::clamp<std::int64_t>(total - control_.RemainingSeconds(), 0, total));
    }
    if (progress != progress_) {
        progress_ = progress;
        frontEnd_.ShowProgress(progress);
    }
    const bool awake = state == TreatmentState::Running;
    if (awake != keptAwake_) {
        keptAwake_ = awake;
        frontEnd_.KeepAwake(awake);
    }
}

void TForm1::View::SetTimeText(const std::string& text) {
    form_.frontEnd_.SetText(ControlId::lt, text);
}

void TForm1::View::SetStatusText(const std::string& text) {
    form_.frontEnd_.SetText(ControlId::Label1, text);
}

void TForm1::View::ShowProgramList(const std::vector<std::string>& names) {
    form_.SetItems(form_.lbg_, names);
    form_.frontEnd_.SetItemToolTips(ControlId::lbg, ProgrammeTips());
}

std::vector<ItemTip> TForm1::View::ProgrammeTips() const {
    const std::vector<std::string>& names = form_.programNames_;
    std::vector<ItemTip> tips;
    for (int row = 0; row < static_cast<int>(names.size()); ++row) {
        ItemTip tip;
        tip.description = ProgrammeStepsText(form_.control_.Steps(), row);
        tip.text = form_.frontEnd_.ItemNameCut(ControlId::lbg, row)
                       ? names[row] + "\n" + tip.description
                       : tip.description;
        tips.push_back(std::move(tip));
    }
    return tips;
}

void TForm1::View::AskForAttention() {
    form_.frontEnd_.AskForAttention();
    form_.frontEnd_.PlayNotificationSound();
    const int row = form_.lbg_.selected;
    if (row >= 0 && row < static_cast<int>(form_.programNames_.size())) {
        form_.frontEnd_.AnnounceEnd(form_.programNames_[row]);
    }
}

void TForm1::Timer::SetTreatmentTimer(bool on) {
    if (on != form_.timer1On_) {
        form_.timer1On_ = on;
        form_.frontEnd_.SetTimer(TimerId::Timer1, on);
    }
}

}  // namespace farb
