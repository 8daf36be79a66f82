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
    char character = 0;     // the Latin-1 character the key types (TypedCharacter), 0 for none
    bool confirms = false;  // Space or Enter, which press a focused hot spot
    bool repeated = false;  // sent again by a key held down
};

// The character a typed UTF-16 unit gives a list's type-ahead search: the Latin-1 byte of a
// printable character, 0 for a control character or one beyond Latin-1.
constexpr char TypedCharacter(char16_t unit) {
    const bool printable = (unit >= 0x20 && unit < 0x7F) || (unit >= 0xA0 && unit <= 0xFF);
    return printable ? static_cast<char>(unit) : 0;
}

}  // namespace farb
