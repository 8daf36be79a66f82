#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "CategoryList.h"
#include "LineFields.h"
#include "MinutesConversion.h"
#include "ProgramStepTable.h"
#include "StepRows.h"

namespace farb {
namespace {

using test::StepRow;
using test::StepsOfRow;

constexpr int kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr int kInt32Min = std::numeric_limits<std::int32_t>::min();

// Owns the text of a catalogue built inside a test.
struct TestCatalogue {
    std::vector<std::string> text;
    std::vector<CatalogueLine> lines;

    explicit TestCatalogue(std::vector<std::string> catalogueText)
        : text(std::move(catalogueText)) {
        lines.assign(text.begin(), text.end());
    }
    TherapyCatalogue view() const { return lines; }
};

class ProgramStepTableTest : public ::testing::Test {
  protected:
    StepRow ParseLine(std::string_view line) {
        SplitCatalogueLine(line, fields);
        table->ParseProgramSteps(fields);
        return StepsOfRow(*table, table->ProgramCount() - 1);
    }

    LineFields fields;
    std::unique_ptr<ProgramStepTable> table = std::make_unique<ProgramStepTable>();
    std::vector<std::string> programmes;
};

struct StepCase {
    std::string_view line;
    StepRow steps;
    int total;
};

const StepCase kStepCases[] = {
    {"Muskeldystrophie\tgr\xFCn\t\tblau\t\tgelb", {{2, 0}, {3, 0}, {8, 0}}, 0},
    {"Grippe\tgr\xFCn\t3\trot\t5\torane\t5", {{2, 3}, {1, 5}, {5, 5}}, 13},
    {"Akne\tviolett \t2", {{7, 2}}, 2},
    {"Gross\tOrange\t4\tGR\xDCN\t1", {{99, 4}, {99, 1}}, 5},
    {"Ohne Minuten\tblau\t3\tgelb", {{3, 3}, {8, 0}}, 3},
    {"Negativ\tblau\t-3\tgelb\t5", {{3, -3}, {8, 5}}, 2},
    {"Hex\tblau\t$A\tgelb\t0x10\trot\tx1", {{3, 10}, {8, 16}, {1, 1}}, 27},
    {"Luecke\tblau\t3\t\trot\t4", {{3, 3}}, 3},
    {"Leerzeichen\tblau\t3\t \trot\t4", {{3, 3}}, 3},
    {"Nachlauf\tblau\t3\t\t\t\t\t\t", {{3, 3}}, 3},
};

TEST_F(ProgramStepTableTest, TurnsALineIntoStepsAndATotal) {
    for (const StepCase& step : kStepCases) {
        SCOPED_TRACE(step.line);
        EXPECT_EQ(ParseLine(step.line), step.steps);
        EXPECT_EQ(table->ProgramTotals(table->ProgramCount() - 1), step.total);
    }
    EXPECT_EQ(table->ProgramCount(), static_cast<int>(std::size(kStepCases)));
}

struct CategoryCase {
    int category;
    std::vector<std::string> programmes;
    std::vector<int> totals;
};

TEST_F(ProgramStepTableTest, ListsTheProgrammesUnderTheChosenHeading) {
    const TestCatalogue catalogue({"Vorweg\trot\t1", "Kopf\t\t", "Eins\tblau\t2",
                                   "Zwei\tgelb\t3\trot\t1", "Leer\t \tgelb\t9", " ",
                                   "Drei\trot\t5"});
    EXPECT_EQ(FillCategoryList(catalogue.view(), fields),
              (std::vector<std::string>{"Kopf", "Leer", " "}));

    const CategoryCase cases[] = {
        {0, {"Eins", "Zwei"}, {2, 4}},
        {-1, {"Vorweg"}, {1}},
        {1, {}, {}},
        {2, {"Drei"}, {5}},
        {3, {}, {}},
    };
    for (const CategoryCase& expected : cases) {
        SCOPED_TRACE(expected.category);
        table->FillProgramList(catalogue.view(), expected.category, fields, programmes);
        EXPECT_EQ(programmes, expected.programmes);
        std::vector<int> totals;
        for (int row = 0; row < table->ProgramCount(); ++row) {
            totals.push_back(table->ProgramTotals(row));
        }
        EXPECT_EQ(totals, expected.totals);
    }
}

TEST_F(ProgramStepTableTest, ConversionErrorLeavesTheListEndingWithTheFaultyProgramme) {
    const TestCatalogue catalogue(
        {"Kopf", "Gut\trot\t2", "Kaputt\tblau\t1\tgelb\ta b c\trot\t3", "Danach\trot\t1"});
    try {
        table->FillProgramList(catalogue.view(), 0, fields, programmes);
        FAIL() << "no ConversionError";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'abc' ist kein g\xFCltiger Integerwert");
    }
    EXPECT_EQ(programmes, (std::vector<std::string>{"Gut", "Kaputt"}));
    EXPECT_EQ(table->ProgramCount(), 1);
    EXPECT_EQ(table->ProgramTotals(1), 0);
}

// A reused row once kept the total of the programme that had filled it before.
TEST_F(ProgramStepTableTest, FaultyRowDoesNotKeepAnEarlierTotal) {
    const TestCatalogue catalogue({"Eins", "Lang\trot\t30", "Zwei", "Kaputt\trot\tdreissig"});
    table->FillProgramList(catalogue.view(), 0, fields, programmes);
    ASSERT_EQ(table->ProgramTotals(0), 30);

    EXPECT_THROW(table->FillProgramList(catalogue.view(), 1, fields, programmes), ConversionError);
    EXPECT_EQ(table->ProgramTotals(0), 0);
    EXPECT_EQ(table->StepCount(0), 1);
}

TEST_F(ProgramStepTableTest, IgnoresProgrammesPastTheHundredAndFirst) {
    std::vector<std::string> text = {"Viele"};
    for (int programme = 0; programme < 150; ++programme) {
        text.push_back("P" + std::to_string(programme) + "\trot\t" + std::to_string(programme));
    }
    text.push_back("Danach");
    text.push_back("Q\tblau\t1");
    const TestCatalogue catalogue(std::move(text));

    table->FillProgramList(catalogue.view(), 0, fields, programmes);
    ASSERT_EQ(programmes.size(), 101u);
    EXPECT_EQ(programmes.back(), "P100");
    ASSERT_EQ(table->ProgramCount(), 101);
    EXPECT_EQ(table->ProgramTotals(100), 100);

    SplitCatalogueLine("Mehr\tgelb\t7", fields);
    table->ParseProgramSteps(fields);
    EXPECT_EQ(table->ProgramCount(), 101);
    EXPECT_EQ(StepsOfRow(*table, 100), (StepRow{{1, 100}}));

    table->FillProgramList(catalogue.view(), 1, fields, programmes);
    EXPECT_EQ(programmes, std::vector<std::string>{"Q"});
}

TEST_F(ProgramStepTableTest, StopsAtFiftyStepsWhenALineHasMoreFieldsThanFit) {
    std::string line = "Lang";
    for (int pair = 1; pair <= 120; ++pair) {
        line += "\tblau\t" + std::to_string(pair);
    }
    const StepRow steps = ParseLine(line);
    ASSERT_EQ(steps.size(), 50u);
    EXPECT_EQ(steps.back(), std::make_pair(3, 50));
    EXPECT_EQ(table->ProgramTotals(0), 50 * 51 / 2);
}

struct TotalCase {
    std::string_view line;
    int total;
};

TEST_F(ProgramStepTableTest, SumsTotalsWithoutOverflowAndSaturates) {
    const TotalCase cases[] = {
        {"Hoch\trot\t2147483647\tblau\t2147483647", kInt32Max},
        {"Tief\trot\t-2147483648\tblau\t-1", kInt32Min},
        {"Zurueck\trot\t2147483647\tblau\t2147483647\tgelb\t-2147483648", kInt32Max - 1},
        {"Knapp\trot\t2147483646\tblau\t1", kInt32Max},
    };
    for (const TotalCase& expected : cases) {
        SCOPED_TRACE(expected.line);
        ParseLine(expected.line);
        EXPECT_EQ(table->ProgramTotals(table->ProgramCount() - 1), expected.total);
    }
}

}  // namespace
}  // namespace farb
