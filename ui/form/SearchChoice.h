#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ProgrammeFinder.h"

namespace farb {

// The keys that, typed into the search field, move through the list below it.
enum class SearchKey { Up, Down, PageUp, PageDown };

// What the dialog "Programm suchen" lists and lets choose, whatever toolkit draws it: the finds
// for the query, or one row "Kein Programm gefunden"; the first find selected; "Auswählen"
// only while a find is selected.
class SearchChoice {
  public:
    using Finder = std::function<std::vector<FoundProgramme>(std::string_view query)>;

    struct Row {
        std::string text;
        std::string steps;  // the row's tooltip; empty for "Kein Programm gefunden"
    };

    // Lists what an empty query finds.
    explicit SearchChoice(Finder find);

    void Query(std::string_view query);
    const std::vector<Row>& Rows() const { return rows_; }
    // -1 while nothing is found.
    int Selected() const { return selected_; }
    bool CanChoose() const { return selected_ >= 0; }
    // The list's own selection moved (a click, a key in the list); out of range changes nothing.
    void Select(int row);
    // `page`: how many rows the list shows at once.
    void Move(SearchKey key, int page);
    // The chosen programme's entry for the form, -1 while nothing can be chosen.
    int Chosen() const;

  private:
    Finder find_;
    std::vector<FoundProgramme> found_;
    std::vector<Row> rows_;
    int selected_ = -1;
};

}  // namespace farb
