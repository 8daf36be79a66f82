#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ProgrammeSearch.h"
#include "TherapyCatalogue.h"

namespace farb {

// One line of the search's result list.
struct FoundProgramme {
    int entry = 0;      // what ProgrammeFinder::Entry and the form's choice take
    std::string text;   // "Migr\xE4ne \x97 Allgemeine Krankheiten 2"
    std::string steps;  // the tooltip, as the programme list's item shows it
};

// The programmes of the whole catalogue for the dialog "Programm suchen": what it lists for what
// the operator typed.
class ProgrammeFinder {
  public:
    explicit ProgrammeFinder(TherapyCatalogue catalogue);

    // In catalogue order; every programme for an empty query, none where nothing matches.
    std::vector<FoundProgramme> Find(std::string_view query) const;
    const std::vector<ProgrammeEntry>& Entries() const { return index_.Entries(); }
    const ProgrammeEntry& Entry(int entry) const { return index_.Entries()[entry]; }

  private:
    ProgrammeIndex index_;
    std::vector<std::string> steps_;  // by entry; empty where a faulty line hides the steps
};

}  // namespace farb
