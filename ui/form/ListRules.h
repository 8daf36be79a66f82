#pragma once

#include <string>
#include <vector>

#include "FormInput.h"

namespace farb {

// Where a list's selection goes. It moves only where an operation follows at once, at a left
// press on an item and at a key's release, and a list that has a selection always keeps one: a
// drag, a press beside the items or another button never moves or empties it.
int SelectionAfterPress(int selected, MouseButton button, int item);

// `rows` is how many items the list shows at once. Arrows step, Page keys move by a page, Home
// and End jump; a typed character other than Space selects the next item that begins with it.
// From no selection every move selects the first item (End the last), so Tab into a list and
// Down chooses its first entry.
int SelectionAfterKey(int selected, const std::vector<std::string>& items, const KeyStroke& key,
                      int rows);

}  // namespace farb
