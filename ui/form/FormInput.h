#pragma once

namespace farb {

// Toolkit-free names for what the operator does with mouse and keyboard.
// Assistive: assistive technology pressed a hot spot; Keyboard: Space or Enter on a focused one.
enum class MouseButton { Left, Right, Middle, Other, Assistive, Keyboard };

// The keys that move a list's selection; every other key is Other.
enum class ListMove { None, Up, Down, PageUp, PageDown, Home, End };

struct KeyStroke {
    int code = 0;  // the front end's own key code: a press and its release share it
    ListMove move = ListMove::None;
    char character = 0;  // the Latin-1 character the key types, 0 for none
};

}  // namespace farb
