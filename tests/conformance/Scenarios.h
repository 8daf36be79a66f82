#pragma once

// The window's rules as scenarios that every front end must play alike: steps an operator takes
// at the places of the control table, and what the window and the lamp show after each. One
// runner plays them against any front end through WindowUnderTest; it needs no test framework, so
// that farb-inspect, a plain console program, plays them against the Win32 window too.

#include <cstdint>
#include <string>
#include <vector>

#include "ControlTable.h"

namespace farb::conformance {

enum class Button { Left, Right, Middle };
// The keys the scenarios use on a list, by what they are rather than by a toolkit's code.
enum class Key { Down, Space, Enter, Shift, Tab };

inline constexpr int kCentre = -1;       // a press at the centre of the control's rectangle
inline constexpr int kBesideItems = -2;  // a press in a list, below its items

// A window the scenarios are played against. Every action has had its whole effect when it
// returns; every text is Latin-1.
class WindowUnderTest {
  public:
    virtual ~WindowUnderTest() = default;

    // A press and release of `button`: on list item `item`, at the centre of the control's table
    // rectangle (kCentre), or inside the rectangle below the items (kBesideItems).
    virtual void Press(ControlId control, Button button, int item) = 0;
    virtual void KeyDown(ControlId control, Key key) = 0;
    virtual void KeyUp(ControlId control, Key key) = 0;
    // The treatment's timer elapses `count` times.
    virtual void Tick(int count) = 0;

    virtual std::string Text(ControlId control) = 0;
    // A list's selected item, -1 for none.
    virtual int Selection(ControlId list) = 0;
    virtual int Count(ControlId list) = 0;
    virtual std::string Item(ControlId list, int item) = 0;
    // Every byte the lamp was written since the window opened, in order.
    virtual std::vector<std::uint8_t> LampBytes() = 0;
};

struct Observation {
    enum class Kind { Text, Selection, Count, Item, LampEndsWith, LampQuiet };
    Kind kind;
    ControlId control = ControlId::Image1;
    int number = 0;    // the selection, the count or the item
    std::string text;  // the text, the item's text or the lamp's last bytes
};

Observation Shows(ControlId control, std::string text);
Observation Selected(ControlId list, int item);
Observation Holds(ControlId list, int count);
Observation ItemReads(ControlId list, int item, std::string text);
// The lamp's last write ends in `bytes`, sent by this step.
Observation LampGot(std::string bytes);
// The step sent the lamp nothing.
Observation LampQuiet();

struct Action {
    enum class Kind { None, Press, KeyDown, KeyUp, Tick };
    Kind kind = Kind::None;
    ControlId control = ControlId::Image1;
    Button button = Button::Left;
    int item = kCentre;
    Key key = Key::Down;
    int count = 0;
};

struct Step {
    std::string name;
    Action action;
    std::vector<Observation> expected;
};

struct Scenario {
    std::string name;
    std::vector<Step> steps;
};

const std::vector<Scenario>& Scenarios();

// Plays `scenario` against a window that has just opened; every observation that fails, as
// "scenario, step: what was seen, what was expected".
std::vector<std::string> Play(const Scenario& scenario, WindowUnderTest& window);

}  // namespace farb::conformance
