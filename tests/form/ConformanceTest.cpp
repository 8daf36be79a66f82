#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingFrontEnd.h"
#include "Scenarios.h"
#include "SimulatedDriver.h"
#include "Unit1.h"

namespace farb {
namespace {

using namespace conformance;

constexpr KeyStroke Stroke(Key key) {
    switch (key) {
        case Key::Down:
            return {40, ListMove::Down, 0};
        case Key::Space:
            return {' ', ListMove::None, ' ', true};
        case Key::Enter:
            return {13, ListMove::None, '\r', true};
        case Key::Shift:
            return {16, ListMove::None, 0};
        case Key::Tab:
            return {9, ListMove::None, '\t'};
    }
    return {};
}

// The form over the recording front end and a simulated binary lamp. A press at a point goes to
// the topmost shown control of the table there, as a toolkit would deliver it; a tick comes only
// while the form has its treatment timer on.
class RecordedWindow : public WindowUnderTest {
  public:
    void Press(ControlId control, Button button, int item) override {
        const MouseButton pressed = button == Button::Left    ? MouseButton::Left
                                    : button == Button::Right ? MouseButton::Right
                                                              : MouseButton::Middle;
        if (item != kCentre) {
            form_.MouseDown(control, pressed, item == kBesideItems ? -1 : item);
            return;
        }
        const Rect& rect = Control(control).rect;
        form_.MouseDown(TopmostAt(rect.left + rect.width / 2, rect.top + rect.height / 2), pressed);
    }
    void KeyDown(ControlId control, Key key) override { form_.KeyDown(control, Stroke(key)); }
    void KeyUp(ControlId control, Key key) override { form_.KeyUp(control, Stroke(key).code); }
    void Tick(int count) override {
        for (int tick = 0; tick < count && frontEnd_.timers[TimerId::Timer1]; ++tick) {
            form_.Timer1Timer();
        }
    }
    std::string Text(ControlId control) override { return frontEnd_.texts[control]; }
    int Selection(ControlId list) override { return frontEnd_.selection[list]; }
    int Count(ControlId list) override { return static_cast<int>(frontEnd_.items[list].size()); }
    std::string Item(ControlId list, int item) override {
        const std::vector<std::string>& items = frontEnd_.items[list];
        return item < static_cast<int>(items.size()) ? items[item] : "";
    }
    std::vector<std::uint8_t> LampBytes() override { return driver_.BytesReceivedBy(lamp_); }

  private:
    ControlId TopmostAt(int x, int y) const {
        // Later controls lie on top. (clang 14 cannot reverse a span with libstdc++ 12's views.)
        const auto controls = Controls();
        for (auto entry = controls.rbegin(); entry != controls.rend(); ++entry) {
            const bool hover = entry->id == ControlId::LStart || entry->id == ControlId::LPAUSE ||
                               entry->id == ControlId::LSTOp;
            if (entry->rect.Contains(x, y) && !(hover && !frontEnd_.Visible(entry->id))) {
                return entry->id;
            }
        }
        return ControlId::Image1;
    }

    SimulatedDriver driver_;
    int lamp_ = driver_.Plug("TTL232R", "FT1", LampKind::BinaryLamp);
    LampLink lampLink_{driver_, {}};
    testing::RecordingFrontEnd frontEnd_;
    TForm1 form_{frontEnd_, lampLink_};
};

class FormConformance : public ::testing::TestWithParam<std::size_t> {};

TEST_P(FormConformance, PlaysAsEveryFrontEndMust) {
    const Scenario& scenario = Scenarios()[GetParam()];
    ASSERT_FALSE(scenario.steps.empty());
    RecordedWindow window;
    for (const std::string& mismatch : Play(scenario, window)) {
        ADD_FAILURE() << mismatch;
    }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, FormConformance,
                         ::testing::Range<std::size_t>(0, Scenarios().size()),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                             return Scenarios()[info.param].name;
                         });

}  // namespace
}  // namespace farb
