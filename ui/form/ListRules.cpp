#include "ListRules.h"

#include <algorithm>

namespace farb {
namespace {

// Latin-1 letters match whatever their case, as a list's type-ahead search does.
unsigned char Folded(char character) {
    const auto byte = static_cast<unsigned char>(character);
    const bool upper =
        (byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7);
    return upper ? static_cast<unsigned char>(byte + 0x20) : byte;
}

int NextStartingWith(int selected, const std::vector<std::string>& items, char character) {
    const int count = static_cast<int>(items.size());
    for (int step = 1; step <= count; ++step) {
        const int index = (std::max(selected, -1) + step) % count;
        if (!items[index].empty() && Folded(items[index].front()) == Folded(character)) {
            return index;
        }
    }
    return selected;
}

int Moved(int selected, int count, ListMove move, int rows) {
    const int last = count - 1;
    const int page = std::max(rows - 1, 1);
    if (selected < 0) {
        return move == ListMove::End ? last : 0;
    }
    switch (move) {
        case ListMove::Up:
            return std::max(selected - 1, 0);
        case ListMove::Down:
            return std::min(selected + 1, last);
        case ListMove::PageUp:
            return std::max(selected - page, 0);
        case ListMove::PageDown:
            return std::min(selected + page, last);
        case ListMove::Home:
            return 0;
        case ListMove::End:
            return last;
        case ListMove::None:
            break;
    }
    return selected;
}

}  // namespace

int SelectionAfterPress(int selected, MouseButton button, int item) {
    return button == MouseButton::Left && item >= 0 ? item : selected;
}

int SelectionAfterKey(int selected, const std::vector<std::string>& items, const KeyStroke& key,
                      int rows) {
    if (items.empty()) {
        return selected;
    }
    if (key.move != ListMove::None) {
        return Moved(selected, static_cast<int>(items.size()), key.move, rows);
    }
    // Only the empty heading begins with a space: Space would only ever jump there.
    if (key.character != 0 && key.character != ' ') {
        return NextStartingWith(selected, items, key.character);
    }
    return selected;
}

}  // namespace farb
