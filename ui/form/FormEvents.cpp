// The events a front end forwards by control id, handed to the handler of that control and event.
#include <algorithm>
#include <array>

#include "Unit1.h"

namespace farb {
namespace {

// Which handler each control's events go to; a null entry ignores the event.
struct ControlEvents {
    ControlId control;
    void (TForm1::*listPress)(MouseButton, int);
    void (TForm1::*spotPress)(MouseButton);
    void (TForm1::*spotMove)();
    void (TForm1::*keyDown)(const KeyStroke&);
    void (TForm1::*keyUp)(int);
    void (TForm1::*exit)();
};

constexpr std::array kControlEvents{
    ControlEvents{ControlId::lbh, &TForm1::lbhMouseDown, nullptr, nullptr, &TForm1::lbhKeyDown,
                  &TForm1::lbhKeyUp, &TForm1::lbhExit},
    ControlEvents{ControlId::lbg, &TForm1::lbgMouseDown, nullptr, nullptr, &TForm1::lbgKeyDown,
                  &TForm1::lbgKeyUp, &TForm1::lbgExit},
    ControlEvents{ControlId::Shape1, nullptr, &TForm1::Shape1MouseDown, &TForm1::Shape1MouseMove,
                  nullptr, nullptr, nullptr},
    ControlEvents{ControlId::Shape2, nullptr, &TForm1::Shape2MouseDown, &TForm1::Shape2MouseMove,
                  nullptr, nullptr, nullptr},
    ControlEvents{ControlId::Shape3, nullptr, &TForm1::Shape3MouseDown, &TForm1::Shape3MouseMove,
                  nullptr, nullptr, nullptr},
    ControlEvents{ControlId::Shape4, nullptr, &TForm1::Shape4MouseDown, &TForm1::Shape4MouseMove,
                  nullptr, nullptr, nullptr},
};

const ControlEvents* EventsOf(ControlId control) {
    const auto* found = std::ranges::find(kControlEvents, control, &ControlEvents::control);
    return found == kControlEvents.end() ? nullptr : found;
}

}  // namespace

void TForm1::MouseDown(ControlId control, MouseButton button, int item) {
    if (const ControlEvents* events = EventsOf(control); events && events->listPress) {
        (this->*events->listPress)(button, item);
    } else if (events && events->spotPress) {
        (this->*events->spotPress)(button);
    }
}

void TForm1::MouseMove(ControlId control, int x, int y) {
    if (control == ControlId::Image1) {
        Image1MouseMove(x, y);
    } else if (const ControlEvents* events = EventsOf(control); events && events->spotMove) {
        (this->*events->spotMove)();
    }
}

// A held key presses once: a list moves once per press and release, and Space or Enter press
// a hot spot once.
void TForm1::KeyDown(ControlId control, const KeyStroke& key) {
    const ControlEvents* events = EventsOf(control);
    if (!events || key.repeated) {
        return;
    }
    if (events->keyDown) {
        (this->*events->keyDown)(key);
    } else if (events->spotPress && key.confirms) {
        (this->*events->spotPress)(MouseButton::Keyboard);
    }
}

void TForm1::KeyUp(ControlId control, int keyCode, bool repeated) {
    if (const ControlEvents* events = EventsOf(control); events && events->keyUp && !repeated) {
        (this->*events->keyUp)(keyCode);
    }
}

void TForm1::Exit(ControlId control) {
    if (const ControlEvents* events = EventsOf(control); events && events->exit) {
        (this->*events->exit)();
    }
}

}  // namespace farb
