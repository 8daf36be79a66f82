#include "ChoiceList.h"

#include "ListRules.h"

namespace farb {
namespace {

int VisibleRows(ControlId list) {
    const ControlLayout& entry = Control(list);
    return entry.rect.height / entry.itemHeight;
}

}  // namespace

void ChoiceList::SetItems(const std::vector<std::string>& items) {
    items_ = items;
    selected_ = -1;
    frontEnd_.SetItems(id_, items);
}

void ChoiceList::Select(int index) {
    if (index == selected_) {
        return;
    }
    selected_ = index;
    frontEnd_.SetSelection(id_, index);
}

void ChoiceList::Press(MouseButton button, int item) {
    const int count = static_cast<int>(items_.size());
    Select(SelectionAfterPress(selected_, button, item < count ? item : -1));
}

bool ChoiceList::KeyUp(int keyCode) {
    const auto press = keysDown_.extract(keyCode);
    if (press.empty()) {
        return false;
    }
    const int before = selected_;
    Select(SelectionAfterKey(selected_, items_, press.mapped(), VisibleRows(id_)));
    return selected_ != before;
}

}  // namespace farb
