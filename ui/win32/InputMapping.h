#pragma once

#include <windows.h>

#include "FormInput.h"

namespace farb {

// A press is any button going down, the second press of a double click included.
bool IsPress(UINT message);
MouseButton PressedButton(UINT message);
ListMove MoveOfKey(WPARAM virtualKey);

}  // namespace farb
