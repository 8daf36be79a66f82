#include "SearchChoice.h"

#include <algorithm>

#include "FormTexts.h"

namespace farb {

SearchChoice::SearchChoice(Finder find) : find_(std::move(find)) {
    Query({});
}

void SearchChoice::Query(std::string_view query) {
    found_ = find_(query);
    rows_.clear();
    for (const FoundProgramme& programme : found_) {
        rows_.push_back({programme.text, programme.steps});
    }
    if (found_.empty()) {
        rows_.push_back({std::string(kSearchNothingFound), {}});
    }
    selected_ = found_.empty() ? -1 : 0;
}

void SearchChoice::Select(int row) {
    if (row >= 0 && row < std::ssize(found_)) {
        selected_ = row;
    }
}

void SearchChoice::Move(SearchKey key, int page) {
    if (found_.empty()) {
        return;
    }
    // A page keeps one row of the last in sight, as list boxes do.
    const int pageStep = std::max(1, page - 1);
    const int step = key == SearchKey::Up       ? -1
                     : key == SearchKey::Down   ? 1
                     : key == SearchKey::PageUp ? -pageStep
                                                : pageStep;
    selected_ = std::clamp(selected_ + step, 0, static_cast<int>(std::ssize(found_)) - 1);
}

int SearchChoice::Chosen() const {
    return selected_ >= 0 ? found_[static_cast<std::size_t>(selected_)].entry : -1;
}

}  // namespace farb
