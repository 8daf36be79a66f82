#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ChoiceList.h"
#include "CommandsLamp.h"
#include "ControlTable.h"
#include "FormFrontEnd.h"
#include "FormInput.h"
#include "HoverLabels.h"
#include "LampLink.h"
#include "LampStatus.h"
#include "ProgrammeFinder.h"
#include "Speech.h"
#include "TherapyCatalogue.h"
#include "TreatmentControl.h"
#include "TreatmentSignals.h"

namespace farb {

// The main window's behaviour, whatever toolkit draws it: the front end builds the controls of
// the control table, forwards each event to the handler of the same name, and does what the
// form asks through its FormFrontEnd.
class TForm1 {
  public:
    // Runs the window-creation steps through `frontEnd`, whose controls must exist, and shows
    // what `lampLink` reports from now on.
    TForm1(FormFrontEnd& frontEnd, LampLink& lampLink,
           TherapyCatalogue catalogue = ShippedCatalogue());
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // The window became active; the first time only, the notice and a discovery.
    void FormActivate();

    // A front end forwards each event of a control by its id; the form's table hands it to the
    // handler of that control and event below. `item` is the list item under the pointer, -1
    // beside the items; `x` and `y` a point of the background (96 dpi pixels). Auto-repeated key
    // presses and releases are passed on too: the form decides what they do.
    void MouseDown(ControlId control, MouseButton button, int item = -1);
    void MouseMove(ControlId control, int x = 0, int y = 0);
    void KeyDown(ControlId control, const KeyStroke& key);
    void KeyUp(ControlId control, int keyCode, bool repeated = false);
    void Exit(ControlId control);

    // The window is closing: a treatment leaves the lamp dark and both timers stop. It happens
    // once; afterwards every event, a second close included, changes nothing.
    void FormClose();
    void Timer1Timer();
    void Timer2Timer();

    // `item` is the item under the pointer, -1 beside the items.
    void lbhMouseDown(MouseButton button, int item);
    void lbgMouseDown(MouseButton button, int item);
    // A key's release that moved the selection runs the list's operation (ChoiceList::KeyUp).
    // Auto-repeated presses and releases are not sent.
    void lbhKeyDown(const KeyStroke& key);
    void lbgKeyDown(const KeyStroke& key);
    void lbhKeyUp(int keyCode);
    void lbgKeyUp(int keyCode);
    // The list lost the keyboard focus: a key pressed here and released elsewhere counts there.
    void lbhExit();
    void lbgExit();

    void Shape1MouseDown(MouseButton button);
    void Shape2MouseDown(MouseButton button);
    void Shape3MouseDown(MouseButton button);
    void Shape1MouseMove();
    void Shape2MouseMove();
    void Shape3MouseMove();
    // The magnifier and Ctrl+F open the search; a programme chosen there is chosen as with two
    // clicks, its heading's and its own.
    void Shape4MouseDown(MouseButton button);
    void Shape4MouseMove();
    void SearchShortcut();
    // F2: the screen reader says the programme, its state, the time left and the colours.
    void StateShortcut();
    // A move over the background at a client point (96 dpi pixels).
    void Image1MouseMove(int x, int y);

    // The dialog "Programm suchen": what it lists for `query`, and the operator's choice of a
    // programme there, which does what a click on its heading and one on the programme do.
    std::vector<FoundProgramme> FindProgrammes(std::string_view query);
    void ChooseFoundProgramme(int entry);

    // The machine is about to sleep: a running treatment pauses as the Pause hot spot pauses it,
    // so the lamp is dark through the sleep and the countdown is true afterwards.
    void SystemSuspend();

    int Selection(ControlId list) const;
    bool TimerOn(TimerId timer) const;
    const TreatmentControl& Treatment() const { return control_; }

  private:
    class View : public TreatmentView {
      public:
        explicit View(TForm1& form) : form_(form) {}
        void SetTimeText(const std::string& text) override;
        void SetStatusText(const std::string& text) override;
        void ShowProgramList(const std::vector<std::string>& names) override;
        // The steps of each programme, below its full name where the list cuts that off.
        std::vector<ItemTip> ProgrammeTips() const;
        void AskForAttention() override;

      private:
        TForm1& form_;
    };

    class Timer : public TreatmentTimer {
      public:
        explicit Timer(TForm1& form) : form_(form) {}
        void SetTreatmentTimer(bool on) override;
        bool TreatmentTimerOn() const override { return form_.timer1On_; }

      private:
        TForm1& form_;
    };

    void FormCreate();
    void SearchAndChoose();
    // What the screen reader is told of the last event.
    void FollowInSpeech();
    // An error that escapes an event ends that event and is shown; the program runs on. Then
    // what follows the lamp and the treatment is brought up to date.
    template <class Operation>
    void RunEvent(Operation&& operation);

    FormFrontEnd& frontEnd_;
    TherapyCatalogue catalogue_;
    LampLink& lampLink_;
    LampStatus lampStatus_;
    CommandsLamp lamp_;
    View view_{*this};
    Timer timer_{*this};
    TreatmentControl control_;
    ChoiceList lbh_;
    ChoiceList lbg_;
    HoverLabels hoverLabels_;
    TreatmentSignals signals_;
    Speech speech_;
    bool timer1On_ = false;
    bool activated_ = false;
    // Once closed, the window does nothing more, whatever reaches it.
    bool closed_ = false;
    std::unique_ptr<ProgrammeFinder> finder_;  // made when the search first opens
};

}  // namespace farb
