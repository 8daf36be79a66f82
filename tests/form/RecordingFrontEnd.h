#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "FormFrontEnd.h"

namespace farb::testing {

// Keeps what the form last told each control, and answers the notice as told.
class RecordingFrontEnd : public FormFrontEnd {
  public:
    void SetText(ControlId control, const std::string& text) override { texts[control] = text; }
    void SetVisible(ControlId control, bool visible) override { visible_[control] = visible; }
    void SetItems(ControlId control, const std::vector<std::string>& list) override {
        items[control] = list;
        selection[control] = -1;
    }
    void SetSelection(ControlId control, int index) override { selection[control] = index; }
    void SetToolTip(ControlId control, const std::string& text) override { tips[control] = text; }
    void SetItemToolTips(ControlId control, const std::vector<ItemTip>& tips) override {
        itemTips[control] = tips;
    }
    // Names longer than `cutAfter` characters do not fit the list.
    bool ItemNameCut(ControlId control, int item) const override {
        return items.at(control).at(item).size() > cutAfter;
    }
    void SetTimer(TimerId timer, bool on) override { timers[timer] = on; }
    bool ConfirmNotice() override {
        ++notices;
        return answerNotice;
    }
    void ShowError(const std::string& title, const std::string& text) override {
        errors.push_back(title + ": " + text);
    }
    void Close() override { closed = true; }
    // The search dialog answers what searchChoose says; without it, as if cancelled.
    int AskForProgramme() override {
        ++searches;
        return searchChoose ? searchChoose() : -1;
    }
    void AskForAttention() override { ++attentionRequests; }
    void PlayNotificationSound() override { ++sounds; }
    void AnnounceEnd(const std::string& programme) override { announced.push_back(programme); }
    void KeepAwake(bool on) override { awake.push_back(on); }
    void ShowProgress(const TreatmentProgress& shown) override { progress.push_back(shown); }
    void Announce(const Announcement& said) override { spoken.push_back(said); }

    bool Visible(ControlId control) const { return visible_.at(control); }

    std::vector<Announcement> spoken;
    std::map<ControlId, std::string> texts;
    std::map<ControlId, std::vector<std::string>> items;
    std::map<ControlId, int> selection;
    std::map<ControlId, std::string> tips;
    std::map<ControlId, std::vector<ItemTip>> itemTips;
    std::size_t cutAfter = 100;
    std::map<TimerId, bool> timers;
    bool answerNotice = true;
    int notices = 0;
    std::vector<std::string> errors;
    bool closed = false;
    int searches = 0;
    std::function<int()> searchChoose;
    int attentionRequests = 0;
    int sounds = 0;
    std::vector<std::string> announced;
    std::vector<bool> awake;  // every change, in order
    std::vector<TreatmentProgress> progress;

  private:
    std::map<ControlId, bool> visible_;
};

}  // namespace farb::testing
