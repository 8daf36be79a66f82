#include "Unit1.h"

#include <exception>

#include "CategoryList.h"
#include "FormTexts.h"
#include "LineFields.h"
#include "TreatmentTips.h"

namespace farb {

TForm1::TForm1(FormFrontEnd& frontEnd, LampLink& lampLink, TherapyCatalogue catalogue)
    : frontEnd_(frontEnd),
      catalogue_(catalogue),
      lampLink_(lampLink),
      lampStatus_(frontEnd, lampLink),
      lamp_(lampLink.commands),
      control_(catalogue, view_, timer_, lamp_),
      lbh_(ControlId::lbh, frontEnd),
      lbg_(ControlId::lbg, frontEnd),
      hoverLabels_(frontEnd),
      signals_(frontEnd),
      speech_(frontEnd) {
    FormCreate();
}

void TForm1::FormCreate() {
    lampStatus_.SetItems();
    frontEnd_.SetText(ControlId::Label1, kStatusChoose);
    hoverLabels_.SetTexts();
    frontEnd_.SetToolTip(ControlId::Shape4, std::string(kSearchHint));
    hoverLabels_.HideAll();
    lampStatus_.SetPollTimer(true);

    LineFields fields;
    lbh_.SetItems(FillCategoryList(catalogue_, fields));
    lbh_.Select(0);
    RunEvent([this] { control_.FillProgramList(0); });
    frontEnd_.SetText(ControlId::lt, "");
}

void TForm1::FormActivate() {
    if (activated_ || closed_) {
        return;
    }
    activated_ = true;
    if (!frontEnd_.ConfirmNotice()) {
        frontEnd_.Close();
    }
    lampStatus_.Discover();
    FollowInSpeech();
}

void TForm1::FormClose() {
    if (closed_) {
        return;
    }
    closed_ = true;
    RunEvent([this] { control_.CloseTreatment(); });
    lampStatus_.SetPollTimer(false);
}

void TForm1::Timer1Timer() {
    if (!closed_) {
        RunEvent([this] { control_.Tick(); });
    }
}

void TForm1::Timer2Timer() {
    if (!closed_) {
        lampStatus_.Poll(timer1On_);
        FollowInSpeech();
    }
}

void TForm1::lbhMouseDown(MouseButton button, int item) {
    if (closed_) {
        return;
    }
    lbh_.Press(button, item);
    RunEvent([this] { control_.SelectCategory(lbh_.Selected()); });
}

void TForm1::lbgMouseDown(MouseButton button, int item) {
    if (closed_) {
        return;
    }
    lbg_.Press(button, item);
    RunEvent([this] { control_.SelectProgram(lbg_.Selected()); });
}

void TForm1::lbhKeyDown(const KeyStroke& key) {
    lbh_.KeyDown(key);
}

void TForm1::lbgKeyDown(const KeyStroke& key) {
    lbg_.KeyDown(key);
}

void TForm1::lbhKeyUp(int keyCode) {
    if (!closed_ && lbh_.KeyUp(keyCode)) {
        RunEvent([this] { control_.SelectCategory(lbh_.Selected()); });
    }
}

void TForm1::lbgKeyUp(int keyCode) {
    if (!closed_ && lbg_.KeyUp(keyCode)) {
        RunEvent([this] { control_.SelectProgram(lbg_.Selected()); });
    }
}

void TForm1::lbhExit() {
    lbh_.ForgetKeys();
}

void TForm1::lbgExit() {
    lbg_.ForgetKeys();
}

void TForm1::Shape1MouseDown(MouseButton) {
    if (!closed_) {
        RunEvent([this] { control_.StartTreatment(); });
    }
}

void TForm1::Shape2MouseDown(MouseButton) {
    if (!closed_) {
        RunEvent([this] { control_.StopTreatment(); });
    }
}

void TForm1::Shape3MouseDown(MouseButton) {
    if (!closed_) {
        RunEvent([this] { control_.PauseTreatment(); });
    }
}

void TForm1::Shape1MouseMove() {
    if (!closed_) {
        hoverLabels_.ShowOnly(ControlId::LStart);
    }
}

void TForm1::Shape2MouseMove() {
    if (!closed_) {
        hoverLabels_.ShowOnly(ControlId::LSTOp);
    }
}

void TForm1::Shape3MouseMove() {
    if (!closed_) {
        hoverLabels_.ShowOnly(ControlId::LPAUSE);
    }
}

void TForm1::Shape4MouseDown(MouseButton button) {
    // Not for the right or middle button, which open nothing elsewhere either.
    if (button == MouseButton::Left || button == MouseButton::Assistive ||
        button == MouseButton::Keyboard) {
        SearchAndChoose();
    }
}

void TForm1::Shape4MouseMove() {
    if (!closed_) {
        hoverLabels_.ShowOnly(ControlId::Image1);
    }
}

void TForm1::SearchShortcut() {
    SearchAndChoose();
}

void TForm1::StateShortcut() {
    if (!closed_) {
        speech_.SayState(control_, lbg_.Selected(), lbg_.Items());
    }
}

void TForm1::FollowInSpeech() {
    if (!closed_) {
        speech_.Follow(control_, lbg_.Selected(), lbg_.Items(), lampStatus_.LampFound());
    }
}

void TForm1::SearchAndChoose() {
    if (closed_) {
        return;
    }
    const int entry = frontEnd_.AskForProgramme();
    if (entry >= 0) {
        ChooseFoundProgramme(entry);
    }
}

void TForm1::Image1MouseMove(int x, int y) {
    if (!closed_) {
        hoverLabels_.PointerOverBackground(x, y);
    }
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
    if (!closed_ && control_.State() == TreatmentState::Running) {
        RunEvent([this] { control_.PauseTreatment(); });
    }
}

int TForm1::Selection(ControlId list) const {
    return list == ControlId::lbh ? lbh_.Selected() : lbg_.Selected();
}

bool TForm1::TimerOn(TimerId timer) const {
    return timer == TimerId::Timer1 ? timer1On_ : lampStatus_.PollTimerOn();
}

template <class Operation>
void TForm1::RunEvent(Operation&& operation) {
    try {
        operation();
    } catch (const std::exception& error) {
        frontEnd_.ShowError(std::string(kProgramTitle), error.what());
    }
    lampStatus_.ShowOpenFailure();
    signals_.Show(control_, lbg_.Selected(), closed_);
    FollowInSpeech();
}

void TForm1::View::SetTimeText(const std::string& text) {
    form_.frontEnd_.SetText(ControlId::lt, text);
}

void TForm1::View::SetStatusText(const std::string& text) {
    form_.frontEnd_.SetText(ControlId::Label1, text);
}

void TForm1::View::ShowProgramList(const std::vector<std::string>& names) {
    form_.lbg_.SetItems(names);
    form_.frontEnd_.SetItemToolTips(ControlId::lbg, ProgrammeTips());
}

std::vector<ItemTip> TForm1::View::ProgrammeTips() const {
    const std::vector<std::string>& names = form_.lbg_.Items();
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
    const int row = form_.lbg_.Selected();
    const std::vector<std::string>& names = form_.lbg_.Items();
    if (row >= 0 && row < static_cast<int>(names.size())) {
        form_.frontEnd_.AnnounceEnd(names[row]);
    }
}

void TForm1::Timer::SetTreatmentTimer(bool on) {
    if (on != form_.timer1On_) {
        form_.timer1On_ = on;
        form_.frontEnd_.SetTimer(TimerId::Timer1, on);
    }
}

}  // namespace farb
