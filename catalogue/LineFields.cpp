#include "LineFields.h"

namespace farb {

int SplitCatalogueLine(std::string_view line, LineFields& fields) {
    for (std::string& field : fields.field) {
        field.clear();
    }
    int tabCount = 0;
    std::string* field = &fields.field[0];
    for (char c : line) {
        if (c == '\t') {
            ++tabCount;
            field = tabCount < LineFields::kCount ? &fields.field[tabCount] : nullptr;
        } else if (field != nullptr && (c != ' ' || tabCount == 0)) {
            field->push_back(c);
        }
    }
    return tabCount;
}

bool IsHeadingLine(std::string_view line) {
    const std::size_t firstTab = line.find('\t');
    if (firstTab == std::string_view::npos) {
        return true;
    }
    for (std::size_t pos = firstTab + 1; pos < line.size() && line[pos] != '\t'; ++pos) {
        if (line[pos] != ' ') {
            return false;
        }
    }
    return true;
}

}  // namespace farb
