#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "TherapyCatalogue.h"

namespace farb {

// A programme as the search lists it: its name, its heading, and where the two lists show them.
struct ProgrammeEntry {
    std::string name;
    std::string heading;
    int category = 0;  // the heading's item in the category list
    int row = 0;       // the programme's item in that category's programme list
};

// The search's way of writing a Latin-1 text: lower case, accents left off, umlauts and "ae",
// "oe", "ue" as their vowel, and "\xDF" as "ss", so that "Migr\xE4ne", "migraene" and "migrane"
// are one word.
std::string FoldForSearch(std::string_view text);

// Every programme of a catalogue with its heading, in catalogue order, for finding programmes by
// name across all headings.
class ProgrammeIndex {
  public:
    explicit ProgrammeIndex(TherapyCatalogue catalogue);

    // The programmes in whose name or heading every word of `query` appears (words are separated
    // by spaces; case, accents, umlauts and "\xDF" do not matter), in catalogue order; all of
    // them for a query without words. Indexes into Entries().
    std::vector<int> Find(std::string_view query) const;

    const std::vector<ProgrammeEntry>& Entries() const { return entries_; }

  private:
    std::vector<ProgrammeEntry> entries_;
    std::vector<std::string> folded_;  // name and heading of each entry, folded
};

}  // namespace farb
