#include "Scenarios.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace farb::conformance {

Observation Shows(ControlId control, std::string text) {
    return {Observation::Kind::Text, control, 0, std::move(text)};
}
Observation Selected(ControlId list, int item) {
    return {Observation::Kind::Selection, list, item, {}};
}
Observation Holds(ControlId list, int count) {
    return {Observation::Kind::Count, list, count, {}};
}
Observation ItemReads(ControlId list, int item, std::string text) {
    return {Observation::Kind::Item, list, item, std::move(text)};
}
Observation LampGot(std::string bytes) {
    return {Observation::Kind::LampEndsWith, ControlId::Image1, 0, std::move(bytes)};
}
Observation LampQuiet() {
    return {Observation::Kind::LampQuiet, ControlId::Image1, 0, {}};
}

namespace {

using C = ControlId;

const std::string kOff = "\xFF\x4B";
const std::string kGreen = "\xFF\x42";
const std::string kChoose = "Bitte w\xE4hlen Sie";
const std::string kDuration = "Behandlungsdauer";
const std::string kRemaining = "Restdauer";

Action PressOn(ControlId control, Button button = Button::Left, int item = kCentre) {
    return {Action::Kind::Press, control, button, item};
}
Action Down(ControlId control, Key key) {
    return {Action::Kind::KeyDown, control, Button::Left, kCentre, key};
}
Action Up(ControlId control, Key key) {
    return {Action::Kind::KeyUp, control, Button::Left, kCentre, key};
}
Action Ticks(int count) {
    return {Action::Kind::Tick, C::Image1, Button::Left, kCentre, Key::Down, count};
}

// Nothing chosen: no time, and the status asks for a choice.
std::vector<Observation> NothingChosen() {
    return {Shows(C::lt, ""), Shows(C::Label1, kChoose)};
}

// Start and Stop without a programme leave the lamp alone too.
std::vector<Observation> IgnoredWithoutAProgramme() {
    return {Shows(C::lt, ""), Shows(C::Label1, kChoose), LampQuiet()};
}

std::vector<Scenario> Build() {
    std::vector<Scenario> all;
    all.push_back(
        {"OpensWithTheFirstCategoryAndNothingChosen",
         {{"the window as it opens",
           {},
           {Selected(C::lbh, 0), Holds(C::lbh, 16), ItemReads(C::lbh, 0, "Allgemeine Krankheiten"),
            ItemReads(C::lbh, 15, " "), Selected(C::lbg, -1), Holds(C::lbg, 16),
            ItemReads(C::lbg, 0, "Adipositas (Fettsucht"), Shows(C::lt, ""),
            Shows(C::Label1, kChoose), LampQuiet()}}}});

    // Any button presses a hot spot.
    all.push_back({"HotSpotsStartPauseResumeAndStop",
                   {{"the first programme chosen",
                     PressOn(C::lbg, Button::Left, 0),
                     {Selected(C::lbg, 0), Shows(C::lt, "19:00"), Shows(C::Label1, kDuration),
                      LampGot(kOff)}},
                    {"Start", PressOn(C::Shape1), {Shows(C::Label1, kRemaining)}},
                    {"a tick", Ticks(1), {Shows(C::lt, "18:59"), LampGot(kGreen)}},
                    {"Pause with the right button",
                     PressOn(C::Shape3, Button::Right),
                     {Shows(C::Label1, "Pause"), Shows(C::lt, "18:59"), LampGot(kOff)}},
                    {"Start again", PressOn(C::Shape1), {Shows(C::Label1, kRemaining)}},
                    {"a tick after the pause", Ticks(1), {Shows(C::lt, "18:58"), LampGot(kGreen)}},
                    {"Stop with the middle button",
                     PressOn(C::Shape2, Button::Middle),
                     {Shows(C::lt, "19:00"), Shows(C::Label1, kDuration), LampGot(kOff)}}}});

    all.push_back(
        {"ANewCategoryEmptiesTheChoiceAndStopsTheTreatment",
         {{"the first programme chosen", PressOn(C::lbg, Button::Left, 0), {}},
          {"Start", PressOn(C::Shape1), {Shows(C::Label1, kRemaining)}},
          {"a tick", Ticks(1), {Shows(C::lt, "18:59")}},
          {"the third category",
           PressOn(C::lbh, Button::Left, 2),
           {Selected(C::lbh, 2), Holds(C::lbg, 17), ItemReads(C::lbg, 0, "Asthma"),
            Selected(C::lbg, -1), Shows(C::lt, ""), Shows(C::Label1, kChoose), LampGot(kOff)}},
          {"Start without a programme", PressOn(C::Shape1), IgnoredWithoutAProgramme()}}});

    all.push_back({"HotSpotsWithoutAProgrammeAreIgnored",
                   {{"Stop", PressOn(C::Shape2), IgnoredWithoutAProgramme()},
                    {"Pause", PressOn(C::Shape3), NothingChosen()},
                    {"the empty last category",
                     PressOn(C::lbh, Button::Left, 15),
                     {Selected(C::lbh, 15), Holds(C::lbg, 0), Selected(C::lbg, -1)}},
                    {"a press in the empty programme list",
                     PressOn(C::lbg, Button::Left, kBesideItems), NothingChosen()},
                    {"Start", PressOn(C::Shape1), IgnoredWithoutAProgramme()}}});

    all.push_back(
        {"OnlyTheLeftButtonOnAnItemChooses",
         {{"the third programme chosen",
           PressOn(C::lbg, Button::Left, 2),
           {Selected(C::lbg, 2), Shows(C::lt, "17:00")}},
          {"Start", PressOn(C::Shape1), {Shows(C::Label1, kRemaining)}},
          {"a tick", Ticks(1), {Shows(C::lt, "16:59")}},
          // The right button chooses the selected programme again, which stops it.
          {"the right button on the sixth programme",
           PressOn(C::lbg, Button::Right, 5),
           {Selected(C::lbg, 2), Shows(C::lt, "17:00"), Shows(C::Label1, kDuration),
            LampGot(kOff)}},
          {"the right button on the third category",
           PressOn(C::lbh, Button::Right, 2),
           {Selected(C::lbh, 0), Holds(C::lbg, 16), ItemReads(C::lbg, 0, "Adipositas (Fettsucht")}},
          {"the left button below the categories",
           PressOn(C::lbh, Button::Left, kBesideItems),
           {Selected(C::lbh, 0), Holds(C::lbg, 16)}}}});

    // Space, Enter, Shift and a Tab pressed on another control move no selection.
    std::vector<Step> keys = {
        {"Down pressed in the programmes",
         Down(C::lbg, Key::Down),
         {Selected(C::lbg, -1), Shows(C::lt, ""), LampQuiet()}},
        {"Down released",
         Up(C::lbg, Key::Down),
         {Selected(C::lbg, 0), Shows(C::lt, "19:00"), LampGot(kOff)}},
        {"Start", PressOn(C::Shape1), {Shows(C::Label1, kRemaining)}},
        {"a tick", Ticks(1), {Shows(C::lt, "18:59")}},
    };
    for (const auto& [key, name] :
         {std::pair{Key::Space, "Space"}, {Key::Enter, "Enter"}, {Key::Shift, "Shift"}}) {
        for (const ControlId list : {C::lbh, C::lbg}) {
            const std::string where = list == C::lbh ? " in the categories" : " in the programmes";
            keys.push_back({name + std::string(" pressed") + where, Down(list, key), {}});
            keys.push_back({name + std::string(" released") + where,
                            Up(list, key),
                            {Selected(C::lbh, 0), Selected(C::lbg, 0), Shows(C::Label1, kRemaining),
                             LampQuiet()}});
        }
    }
    keys.push_back({"Tab released in the programmes",
                    Up(C::lbg, Key::Tab),
                    {Selected(C::lbg, 0), Shows(C::Label1, kRemaining), LampQuiet()}});
    keys.push_back({"a tick after the keys", Ticks(1), {Shows(C::lt, "18:58"), LampGot(kGreen)}});
    keys.push_back({"Down pressed while it runs", Down(C::lbg, Key::Down), {}});
    keys.push_back(
        {"Down released while it runs",
         Up(C::lbg, Key::Down),
         {Selected(C::lbg, 1), Shows(C::lt, "17:00"), Shows(C::Label1, kDuration), LampGot(kOff)}});
    all.push_back({"AKeyChoosesAtItsReleaseOnlyWhereItMoves", std::move(keys)});
    return all;
}

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%s%02X", text.empty() ? "" : " ", byte);
        text += pair;
    }
    return "(" + text + ")";
}

std::string Name(ControlId control) {
    return std::string(Control(control).name);
}

void Perform(const Action& action, WindowUnderTest& window) {
    switch (action.kind) {
        case Action::Kind::None:
            break;
        case Action::Kind::Press:
            window.Press(action.control, action.button, action.item);
            break;
        case Action::Kind::KeyDown:
            window.KeyDown(action.control, action.key);
            break;
        case Action::Kind::KeyUp:
            window.KeyUp(action.control, action.key);
            break;
        case Action::Kind::Tick:
            window.Tick(action.count);
            break;
    }
}

// What differs from `expected`, empty when nothing does.
std::string Mismatch(const Observation& expected, WindowUnderTest& window,
                     const std::vector<std::uint8_t>& before,
                     const std::vector<std::uint8_t>& after) {
    using K = Observation::Kind;
    switch (expected.kind) {
        case K::Text: {
            const std::string seen = window.Text(expected.control);
            return seen == expected.text ? ""
                                         : Name(expected.control) + " reads " + Quoted(seen) +
                                               ", expected " + Quoted(expected.text);
        }
        case K::Selection: {
            const int seen = window.Selection(expected.control);
            return seen == expected.number
                       ? ""
                       : Name(expected.control) + " selects " + std::to_string(seen) +
                             ", expected " + std::to_string(expected.number);
        }
        case K::Count: {
            const int seen = window.Count(expected.control);
            return seen == expected.number
                       ? ""
                       : Name(expected.control) + " holds " + std::to_string(seen) +
                             " items, expected " + std::to_string(expected.number);
        }
        case K::Item: {
            const std::string seen = window.Item(expected.control, expected.number);
            return seen == expected.text
                       ? ""
                       : Name(expected.control) + " item " + std::to_string(expected.number) +
                             " reads " + Quoted(seen) + ", expected " + Quoted(expected.text);
        }
        case K::LampEndsWith: {
            const std::vector<std::uint8_t> wanted(expected.text.begin(), expected.text.end());
            const bool sent = after.size() >= before.size() + wanted.size() &&
                              std::equal(wanted.rbegin(), wanted.rend(), after.rbegin());
            const std::vector<std::uint8_t> news(
                after.begin() + std::min(before.size(), after.size()), after.end());
            return sent ? ""
                        : "the lamp was sent " + Hex(news) + ", expected it to end in " +
                              Hex(wanted);
        }
        case K::LampQuiet: {
            if (after == before) {
                return "";
            }
            const std::vector<std::uint8_t> news(
                after.begin() + std::min(before.size(), after.size()), after.end());
            return "the lamp was sent " + Hex(news) + ", expected nothing";
        }
    }
    return "an unknown observation";
}

}  // namespace

const std::vector<Scenario>& Scenarios() {
    static const std::vector<Scenario> all = Build();
    return all;
}

std::vector<std::string> Play(const Scenario& scenario, WindowUnderTest& window) {
    std::vector<std::string> mismatches;
    // Before the first step: what the lamp was sent since the window opened.
    std::vector<std::uint8_t> before;
    for (const Step& step : scenario.steps) {
        Perform(step.action, window);
        const std::vector<std::uint8_t> after = window.LampBytes();
        for (const Observation& expected : step.expected) {
            const std::string mismatch = Mismatch(expected, window, before, after);
            if (!mismatch.empty()) {
                mismatches.push_back(scenario.name + ", " + step.name + ": " + mismatch);
            }
        }
        before = after;
    }
    return mismatches;
}

}  // namespace farb::conformance
