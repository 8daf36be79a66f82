#include "HoverLabels.h"

#include <array>
#include <string>

#include "FormTexts.h"

namespace farb {
namespace {

constexpr std::array kHoverLabels{ControlId::LStart, ControlId::LPAUSE, ControlId::LSTOp};

}  // namespace

void HoverLabels::SetTexts() {
    frontEnd_.SetText(ControlId::LStart, std::string(kHoverStart));
    frontEnd_.SetText(ControlId::LPAUSE, std::string(kHoverPause));
    frontEnd_.SetText(ControlId::LSTOp, std::string(kHoverStop));
}

void HoverLabels::HideAll() {
    for (ControlId label : kHoverLabels) {
        frontEnd_.SetVisible(label, false);
    }
}

void HoverLabels::ShowOnly(ControlId label) {
    if (label == shown_) {
        return;
    }
    for (ControlId hover : kHoverLabels) {
        if (hover == shown_ || hover == label) {
            frontEnd_.SetVisible(hover, hover == label);
        }
    }
    shown_ = label;
}

void HoverLabels::PointerOverBackground(int x, int y) {
    // A hover label lies partly beside its hot spot; the pointer on it keeps it.
    if (shown_ != ControlId::Image1 && Control(shown_).rect.Contains(x, y)) {
        return;
    }
    ShowOnly(ControlId::Image1);
}

}  // namespace farb
