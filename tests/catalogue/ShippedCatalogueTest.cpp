#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "CategoryList.h"
#include "LineFields.h"
#include "ProgramStepTable.h"
#include "StepRows.h"
#include "TherapyCatalogue.h"

namespace farb {
namespace {

using test::StepRow;
using test::StepsOfRow;

struct ExpectedCategory {
    std::string_view heading;
    std::vector<std::string_view> programmes;
};

const ExpectedCategory kExpectedCategories[] = {
    {"Allgemeine Krankheiten",
     {"Adipositas (Fettsucht", "Abzess (mehrere Tage hintereinan.)", "Alkoholismus", "Anti-Aging",
      "Anti-Sucht", "Anti-Raucher mehrere Tage anwend.", "Brandwunden mehrere Tae anwend.",
      "Benommenheit (Somnolenz)", "(Viren, Bakterien, Pilze)", "Bettn\xE4ssen (Enuresis Noturna)",
      "Borelliose", "Brustdr\xFCsen", "Brustdr\xFCsenentz\xFCndung", "Depression",
      "Entz\xFCndung, allgemein", "Gingivitis (Zahnfleischentz\xFCndung)"}},
    {"Allgemeine Krankheiten 2",
     {"Grippe", "Herpes zoster", "Migr\xE4ne", "Nackenschmerz", "Organsenkung im Bauchraum",
      "Phantomschmerz", "Phobien mehrmals in der Woche", "Postoperative Schmerzen", "Quetschungen",
      "Reisekrankheit", "Rippenfellentz\xFCndungen",
      "R\xFC"
      "ckenverletzungen",
      "Schluckauf", "Schmerz, akut", "Schmerz, Kopf",
      "Stress mehrmals w\xF6"
      "chentlich",
      "Tumor, Lipome Geschwulste", "Verbrennungen", "Wechseljahrbeschwerden"}},
    {"Atmung",
     {"Asthma", "Bronchitis", "Halsweh, akut", "Halsweh, chronisch", "Heuschnupfen",
      "Husten, chronisch", "Kehlkopfentz\xFCndung", "Keuchhusten", "Kropf/Struma Dysfunktion",
      "Lungenemphysem", "Lungen CA", "Mittelohrentz\xFCndung", "Mumps", "Pharingitis",
      "Pseudokrupp", "Reizhusten", "Tonsillitis"}},
    {"Bewegungsapparat",
     {"Arthritis, rheumatisch", "Arthritis, degenerativ", "Bandscheibenvorfall",
      "blutende Verletzung", "Claudicatio intermittens", "Coxarthrose", "Erythematodes", "Gicht",
      "Ischialgie", "Knochenbruch", "Knorpelbildungsst\xF6rung", "Karpaltunnelsyndrom",
      "Lumbalgie (Lendenschmerz)", "Muskeldystrophie"}},
    {"Bewegungsapparat 2",
     {"Muskelentz\xFCndung", "Muskelkr\xE4mpfe",
      "Muskelschw\xE4"
      "che",
      "Muskelzerrung", "Myopathie (Muskelerkrankung)", "Osteomalazie", "Osteoporose",
      "Schleimbeutelentz\xFCndung", "Schulter-Arm-Syndrom", "Tennisellbogen"}},
    {"Endokrinum",
     {"Akromegalie", "M. Addison", "Diabetes insipidus", "Diabetes mellitus", "Hyperinsulinismus",
      "Klimakterium", "Hyperthyreose", "Splenomegalie"}},
    {"Haut",
     {"Akne, leicht", "Akne, schwer", "Alopezie", "Bluterguss (H\xE4matom)", "Ekzeme+Psoriasis",
      "Haarausfall", "Juckreiz", "Neurodermitis", "Bakterieneliminierung",
      "Virenbelastung (z.B. Herpes)", "Narbenbehandlung"}},
    {"Kosmetik",
     {"Akne, leicht", "Akne, schwer", "Krampfadern", "Bluterguss (H\xE4matom)", "Ekzeme+Psoriasis",
      "Haarausfall", "Juckreiz", "Neurodermitis", "Bakterieneliminierung",
      "Virenbelastung (z.B. Herpes)", "Narbenbehandlung", "Fettsucht", "Klimakterium",
      "Lumbalgie (Lendenschmerz)", "Muskeldystrophie", "Schulter-Arm-Syndrom", "Anti-Raucher"}},
    {"Nervensystem",
     {"Apathie", "Apoplexie", "Apraxie", "Blasendysfunktion", "Encephalitis", "Epilepsie",
      "Facialisparese", "Gehirnersch\xFCtterg Comotio cerebri", "Gehirntumor", "Gesichtsatrophie",
      "Gesichtszuckung", "Interkostalneuralgie", "Lateralit\xE4tsst\xF6rungen",
      "L\xE4hmung - Schlaganf\xE4lle", "L\xE4hmungen Polyomyelitis",
      "L\xE4hmungen Multiple sklerose", "L\xE4hmungen Myelitis", "L\xE4hmungen Muskelatrophie"}},
    {"Nervensystem 1",
     {"Meningitis", "Neuropathien", "Parkinson (Sch\xFCttell\xE4hmung)", "Trigeminusneuralgie"}},
    {"Sinnesorgane",
     {"Augeninfektion", "Augeninnendruck", "Augenerkrankung allgemein",
      "Bindehautentz\xFCndung chronisch", "Glaukom (gr\xFCner Star)", "Geschmacksst\xF6rungen",
      "Geruchsverlust", "H\xF6rsturz", "Katarakt (grauer Star)", "Konjunktivitis",
      "M. M\xE9ni\xE9re", "Makuladegeneration", "Nachtblindheit", "Otitis", "Sinusitis",
      "Schwindel", "Taubheit", "Tinnitus"}},
    {"Sinnesorgane 2",
     {"Tr\xE4nende Augen", "Verklebung im Ohr", "Weitsichtigkeit", "Kurzsichtigkeit",
      "Fehlsichtigkeit"}},
    {"Verdauungsorgane",
     {"Appendizites (Blinddarmentzdg.)", "Aszites (Bauchwassersucht)", "Bauchschmerz",
      "Bauchspeichedr\xFCsenentzdg.", "Bauchfellentz\xFCndung",
      "\xDC"
      "bers\xE4uerg. Magen-Darm-Trakt",
      "Bl\xE4hungen (Fladulenzen)", "Brechdurchfall", "Bulimie", "Colitis ulcerosa",
      "Colon Irritabile", "Chron. Morbus Crohn", "Darmkrebs", "Diab.Mellitus (Zuckerkrankheit)",
      "Divertikulitis", "Durchfall (Diarrhoe)", "Enteritis", "Erbrechen", "Fettleber"}},
    {"Verdauungsorgane 2",
     {"Fettsucht (Adipositas)", "Gastritis, akut (Magenschleimh.)", "Gallenkolik", "Gallensteine",
      "Gastroptose (Magensenkung)", "H\xE4morrhoiden", "Hepatitis, akut", "Hepatitis, chronisch",
      "Hyperazidit\xE4t des Magens", "Ikterus (Gelbsucht)", "Leberatrophie, akut", "Leberzirrohose",
      "Magenblutung", "Magengeschw\xFCr", "Magen-Darm-St\xF6rungen",
      "Magen-Darm-Infekt Gastroenteritis", "Oesophagitis, akut", "Oesophagus CA",
      "Schluckauf (Singultus"}},
    {"Verdauungsorgane 3", {"Vergiftung Lebensm.", "Verstopfung(Obstipat)", "Wurmbefall"}},
    {" ", {}},
};

struct TellingRow {
    int category;
    int row;
    std::string_view name;
    StepRow steps;
    int total;
};

const TellingRow kTellingRows[] = {
    {0, 0, "Adipositas (Fettsucht", {{2, 5}, {8, 3}, {5, 3}, {8, 3}, {2, 5}}, 19},
    {0,
     3,
     "Anti-Aging",
     {{2, 3},
      {8, 3},
      {2, 3},
      {7, 4},
      {12, 4},
      {2, 3},
      {3, 4},
      {2, 3},
      {5, 4},
      {2, 3},
      {1, 2},
      {2, 2},
      {3, 8}},
     46},
    {0, 5, "Anti-Raucher mehrere Tage anwend.", {{12, 15}, {8, 3}}, 18},
    {1, 0, "Grippe", {{2, 3}, {1, 5}, {5, 5}}, 13},
    {1, 4, "Organsenkung im Bauchraum", {{2, 3}, {6, 3}, {12, 5}}, 11},
    {1, 10, "Rippenfellentz\xFCndungen", {{2, 2}, {3, 5}, {10, 5}, {7, 4}}, 16},
    {3, 13, "Muskeldystrophie", {{2, 0}, {3, 0}, {8, 0}}, 0},
    {4, 0, "Muskelentz\xFCndung", {{2, 1}, {12, 3}, {5, 2}, {8, 2}, {3, 0}, {6, 2}, {12, 3}}, 13},
    {7, 14, "Muskeldystrophie", {{2, 5}, {3, 5}, {8, 5}}, 15},
    {8, 14, "L\xE4hmungen Polyomyelitis", {{2, 7}, {3, 10}, {2, 7}, {3, 10}, {2, 7}, {3, 10}}, 51},
    {12, 7, "Brechdurchfall", {{2, 4}, {12, 2}, {8, 5}, {2, 6}, {5, 3}}, 20},
    {14, 1, "Verstopfung(Obstipat)", {{2, 5}, {8, 2}, {2, 5}, {5, 8}}, 20},
};

// The spellings the step rows cannot show, because splitting removes the spaces.
const std::string_view kStoredLinePrefixes[] = {
    "Muskeldystrophie\tgr\xFCn \t5\tblau\t5\tgelb\t5\t",
    "Brechdurchfall\tgr\xFCn  \t4\t",
    "Verstopfung(Obstipat)\tGr\xFCn\t5\tGelb\t2\tgr\xFCn\t5\t",
    "Grippe\tgr\xFCn\t3\trot\t5\torane\t5\t",
    "Anti-Raucher mehrere Tage anwend.\tIndigo\t15\t",
    "Muskeldystrophie\tgr\xFCn\t\tblau\t\tgelb",
    "Muskelentz\xFCndung\tgr\xFCn\t1\tindigo\t3\torange\t2\tgelb\t2\tblau\t\tt\xFCrkis\t2\t",
};

class ShippedCatalogueTest : public ::testing::Test {
  protected:
    TherapyCatalogue catalogue = ShippedCatalogue();
    LineFields fields;
    std::unique_ptr<ProgramStepTable> table = std::make_unique<ProgramStepTable>();
    std::vector<std::string> programmes;
};

TEST_F(ShippedCatalogueTest, ListsTheSixteenHeadingsInOrder) {
    std::vector<std::string> expected;
    for (const ExpectedCategory& category : kExpectedCategories) {
        expected.emplace_back(category.heading);
    }
    EXPECT_EQ(FillCategoryList(catalogue, fields), expected);
    EXPECT_EQ(expected.size(), 16u);
}

TEST_F(ShippedCatalogueTest, ListsEveryProgrammeUnderItsHeadingByteForByte) {
    for (int category = 0; category < 16; ++category) {
        SCOPED_TRACE(kExpectedCategories[category].heading);
        const auto& expected = kExpectedCategories[category].programmes;
        table->FillProgramList(catalogue, category, fields, programmes);
        EXPECT_EQ(std::vector<std::string>(expected.begin(), expected.end()), programmes);
        EXPECT_EQ(table->ProgramCount(), static_cast<int>(expected.size()));
    }
}

TEST_F(ShippedCatalogueTest, HoldsTwoHundredFourteenLinesOfAtMostTwentySixTabs) {
    ASSERT_EQ(catalogue.size(), 214u);
    EXPECT_EQ(catalogue.back(), " ");
    for (CatalogueLine line : catalogue) {
        EXPECT_LE(std::ranges::count(line, '\t'), 26) << line;
    }
}

TEST_F(ShippedCatalogueTest, TellingRowsHaveTheirStepsAndTotals) {
    for (const TellingRow& expected : kTellingRows) {
        SCOPED_TRACE(expected.name);
        table->FillProgramList(catalogue, expected.category, fields, programmes);
        ASSERT_LT(expected.row, table->ProgramCount());
        EXPECT_EQ(programmes[expected.row], expected.name);
        EXPECT_EQ(StepsOfRow(*table, expected.row), expected.steps);
        EXPECT_EQ(table->ProgramTotals(expected.row), expected.total);
    }
}

TEST_F(ShippedCatalogueTest, KeepsTheStoredSpellingsOfTheTellingRows) {
    for (std::string_view prefix : kStoredLinePrefixes) {
        EXPECT_EQ(std::ranges::count_if(
                      catalogue, [&](CatalogueLine line) { return line.starts_with(prefix); }),
                  1)
            << prefix;
    }
}

bool IsTellingRow(int category, int row) {
    return std::ranges::any_of(kTellingRows, [&](const TellingRow& telling) {
        return telling.category == category && telling.row == row;
    });
}

TEST_F(ShippedCatalogueTest, KeepsItsStatedFacts) {
    std::set<std::string> reaching51;
    std::set<std::string> withThirteenSteps;
    for (int category = 0; category < 16; ++category) {
        table->FillProgramList(catalogue, category, fields, programmes);
        for (int row = 0; row < table->ProgramCount(); ++row) {
            SCOPED_TRACE(programmes[row]);
            if (table->ProgramTotals(row) >= 51) {
                reaching51.insert(programmes[row] + " " +
                                  std::to_string(table->ProgramTotals(row)));
            }
            if (table->StepCount(row) >= 13) {
                withThirteenSteps.insert(programmes[row] + " " +
                                         std::to_string(table->StepCount(row)));
            }
            for (const auto& [colour, minutes] : StepsOfRow(*table, row)) {
                EXPECT_NE(colour, kColourUninterpretable);
                if (!IsTellingRow(category, row)) {
                    EXPECT_GE(minutes, 1);
                    EXPECT_LE(minutes, 10);
                }
            }
        }
    }
    EXPECT_EQ(reaching51, std::set<std::string>{"L\xE4hmungen Polyomyelitis 51"});
    EXPECT_EQ(withThirteenSteps, (std::set<std::string>{"Anti-Aging 13", "Erythematodes 13"}));
}

TEST_F(ShippedCatalogueTest, SingleSpaceAndMissingCategoriesGiveEmptyLists) {
    for (int category : {-1, 15, 16, 1000}) {
        programmes = {"stale"};
        table->FillProgramList(catalogue, category, fields, programmes);
        EXPECT_TRUE(programmes.empty()) << category;
        EXPECT_EQ(table->ProgramCount(), 0) << category;
    }
}

}  // namespace
}  // namespace farb
