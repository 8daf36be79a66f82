#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "ControlTable.h"

namespace farb {

enum class TimerId { Timer1, Timer2 };

// Timer1 counts the treatment down; Timer2 polls for the lamp while no treatment runs.
constexpr std::chrono::milliseconds TimerPeriod(TimerId timer) {
    return timer == TimerId::Timer1 ? std::chrono::milliseconds{1000}
                                    : std::chrono::milliseconds{2000};
}

// An item's tooltip, and what assistive technology reads as the item's description.
struct ItemTip {
    std::string text;  // the full name above the steps where the list cuts the name off
    std::string description;

    bool operator==(const ItemTip&) const = default;
};

// What the program's task-bar button shows of the treatment.
enum class ProgressState { None, Running, Paused };

struct TreatmentProgress {
    ProgressState state = ProgressState::None;
    int elapsedSeconds = 0;
    int totalSeconds = 0;  // more than 0 unless state is None

    bool operator==(const TreatmentProgress&) const = default;
};

// What a screen reader tells its user without moving the focus. Latin-1.
struct Announcement {
    std::string text;
    bool interrupts = false;  // said at once, cutting off what is being said

    bool operator==(const Announcement&) const = default;
};

// The one port through which the form speaks to its toolkit. Every text is Latin-1; the front
// end converts it at the boundary.
class FormFrontEnd {
  public:
    virtual ~FormFrontEnd() = default;

    virtual void SetText(ControlId control, const std::string& text) = 0;
    virtual void SetVisible(ControlId control, bool visible) = 0;
    // Replaces a list's or the status box's items; afterwards none is selected.
    virtual void SetItems(ControlId control, const std::vector<std::string>& items) = 0;
    // Selects an item; -1 selects none.
    virtual void SetSelection(ControlId control, int index) = 0;
    // An empty text removes the tooltip. Assistive technology reads the same text as the
    // control's description; its name stays what it shows.
    virtual void SetToolTip(ControlId control, const std::string& text) = 0;
    // One tooltip per item of a list, in the items' order.
    virtual void SetItemToolTips(ControlId list, const std::vector<ItemTip>& tips) = 0;
    // Whether the list, as drawn, cuts the item's name off.
    virtual bool ItemNameCut(ControlId list, int item) const = 0;
    // Switching a timer on starts a fresh period of TimerPeriod(timer), also when it was on.
    virtual void SetTimer(TimerId timer, bool on) = 0;

    // The modal start-up notice; true for OK, false for Cancel.
    virtual bool ConfirmNotice() = 0;
    virtual void ShowError(const std::string& title, const std::string& text) = 0;
    // The modal dialog "Programm suchen", which lists TForm1::FindProgrammes for what the
    // operator types; the entry chosen there, -1 when the dialog was cancelled.
    virtual int AskForProgramme() = 0;
    // Closes the window once the current event is done, which ends the program.
    virtual void Close() = 0;
    // The countdown reached 0:00: the task bar calls the operator without changing the window.
    virtual void AskForAttention() = 0;
    // The system's notification sound, once.
    virtual void PlayNotificationSound() = 0;
    // The countdown of `programme` reached 0:00: a desktop notification, where the desktop has
    // them.
    virtual void AnnounceEnd(const std::string& programme) = 0;

    // While on, the system is asked not to suspend on idle; the screen may still blank and lock.
    // The form switches it only when it changes.
    virtual void KeepAwake(bool on) = 0;
    // Sent only when it changes.
    virtual void ShowProgress(const TreatmentProgress& progress) = 0;
    // Tells the screen reader, where one runs, without moving the focus; nothing is shown.
    virtual void Announce(const Announcement& announcement) = 0;
};

}  // namespace farb
