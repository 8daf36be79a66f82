#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "ProgrammeSearch.h"
#include "TherapyCatalogue.h"

namespace farb {
namespace {

// What the operator types, and the programmes found, as "name / heading" in catalogue order.
struct Search {
    std::string_view query;
    std::vector<std::string> found;
};

const Search kSearches[] = {
    // Umlauts written out, left off or typed, in either case.
    {"migrane", {"Migr\xE4ne / Allgemeine Krankheiten 2"}},
    {"migraene", {"Migr\xE4ne / Allgemeine Krankheiten 2"}},
    {"Migr\xE4ne", {"Migr\xE4ne / Allgemeine Krankheiten 2"}},
    {"MIGR\xC4NE", {"Migr\xE4ne / Allgemeine Krankheiten 2"}},
    {"  MiGr  ", {"Migr\xE4ne / Allgemeine Krankheiten 2"}},
    {"\xFC"
     "bers\xE4uerg",
     {"\xDC"
      "bers\xE4uerg. Magen-Darm-Trakt / Verdauungsorgane"}},
    {"meniere", {"M. M\xE9ni\xE9re / Sinnesorgane"}},
    // One word in many names and under many headings.
    {"schmerz",
     {"Nackenschmerz / Allgemeine Krankheiten 2", "Phantomschmerz / Allgemeine Krankheiten 2",
      "Postoperative Schmerzen / Allgemeine Krankheiten 2",
      "Schmerz, akut / Allgemeine Krankheiten 2", "Schmerz, Kopf / Allgemeine Krankheiten 2",
      "Lumbalgie (Lendenschmerz) / Bewegungsapparat", "Lumbalgie (Lendenschmerz) / Kosmetik",
      "Bauchschmerz / Verdauungsorgane"}},
    // Words in any order, each in the name or in the heading; a name twice under two headings.
    {"kosmetik akne", {"Akne, leicht / Kosmetik", "Akne, schwer / Kosmetik"}},
    {"akne",
     {"Akne, leicht / Haut", "Akne, schwer / Haut", "Akne, leicht / Kosmetik",
      "Akne, schwer / Kosmetik"}},
    {"schwer akne haut", {"Akne, schwer / Haut"}},
    {"3 verdauungsorgane",
     {"Vergiftung Lebensm. / Verdauungsorgane 3", "Verstopfung(Obstipat) / Verdauungsorgane 3",
      "Wurmbefall / Verdauungsorgane 3"}},
    // Nothing found; a word must not run from the name into the heading.
    {"xylophon", {}},
    {"grippeallgemeine", {}},
};

TEST(ProgrammeSearch, FindsByEveryWordInNameOrHeadingWhateverCaseAndUmlauts) {
    const ProgrammeIndex index(ShippedCatalogue());
    for (const Search& search : kSearches) {
        std::vector<std::string> found;
        for (const int entry : index.Find(search.query)) {
            const ProgrammeEntry& programme = index.Entries()[entry];
            found.push_back(programme.name + " / " + programme.heading);
        }
        EXPECT_EQ(found, search.found) << search.query;
    }
}

TEST(ProgrammeSearch, EveryProgrammeKnowsWhereTheListsShowIt) {
    const ProgrammeIndex index(ShippedCatalogue());
    EXPECT_EQ(index.Find("").size(), 198u);
    EXPECT_EQ(index.Find("   ").size(), 198u);
    const ProgrammeEntry& migraine = index.Entries()[index.Find("migrane").front()];
    EXPECT_EQ(migraine.category, 1);
    EXPECT_EQ(migraine.row, 2);
    const ProgrammeEntry& last = index.Entries().back();
    EXPECT_EQ(last.name, "Wurmbefall");
    EXPECT_EQ(last.category, 14);
    EXPECT_EQ(last.row, 2);
}

TEST(ProgrammeSearch, FoldsCaseAccentsUmlautsAndSharpS) {
    EXPECT_EQ(FoldForSearch("Stra\xDF"
                            "e"),
              "strasse");
    EXPECT_EQ(FoldForSearch("STRASSE"), "strasse");
    EXPECT_EQ(FoldForSearch("\xC4rger \xD6l \xDC"
                            "bel"),
              "arger ol ubel");
    EXPECT_EQ(FoldForSearch("Aerger Oel Uebel"), "arger ol ubel");
    EXPECT_EQ(FoldForSearch("Caf\xE9 \xC6"), "cafe a");
    EXPECT_EQ(FoldForSearch("x \xD7 y \xF7 z"), "x \xD7 y \xF7 z");  // signs stay as they are
}

}  // namespace
}  // namespace farb
