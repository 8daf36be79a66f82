#pragma once

#include <map>
#include <string>
#include <vector>

#include "ControlTable.h"
#include "FormFrontEnd.h"
#include "FormInput.h"

namespace farb {

// A list the operator chooses from: its items, its selection and the keys pressed in it. The
// form alone moves the selection, and tells the front end when it does.
class ChoiceList {
  public:
    ChoiceList(ControlId id, FormFrontEnd& frontEnd) : id_(id), frontEnd_(frontEnd) {}

    int Selected() const { return selected_; }
    const std::vector<std::string>& Items() const { return items_; }

    // Afterwards nothing is selected.
    void SetItems(const std::vector<std::string>& items);
    void Select(int index);
    // A press on `item`, -1 beside the items.
    void Press(MouseButton button, int item);
    // A key's press records its move and character; its release, matched by code, moves the
    // selection. True when it moved: a key pressed elsewhere (Tab from the previous control) or
    // one that moves nothing (Space, Enter, Down on the last item) changes nothing.
    void KeyDown(const KeyStroke& key) { keysDown_[key.code] = key; }
    bool KeyUp(int keyCode);
    // The list lost the keyboard focus: a key pressed here and released elsewhere counts there.
    void ForgetKeys() { keysDown_.clear(); }

  private:
    ControlId id_;
    FormFrontEnd& frontEnd_;
    std::vector<std::string> items_;
    int selected_ = -1;
    std::map<int, KeyStroke> keysDown_;  // by code, as pressed
};

}  // namespace farb
