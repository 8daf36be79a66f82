#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "LineFields.h"

namespace farb {
namespace {

struct SplitCase {
    std::string_view line;
    int tabCount;
    std::vector<std::string_view> fields;
    bool heading;
};

const SplitCase kSplitCases[] = {
    {" ", 0, {" "}, true},
    {"", 0, {""}, true},
    {"\t\t", 2, {"", "", ""}, true},
    {"Akne, leicht\tgr\xFCn\t2\tblau\t2\tviolett \t2",
     6,
     {"Akne, leicht", "gr\xFCn", "2", "blau", "2", "violett", "2"},
     false},
    {" Tr\xE4nende  Augen \t gr\xFCn  \t1 0\t \t",
     4,
     {" Tr\xE4nende  Augen ", "gr\xFCn", "10", "", ""},
     false},
    {"Kopf\t\tgelb\t3", 3, {"Kopf", "", "gelb", "3"}, true},
    {"Kopf\t  \tgelb\t3", 3, {"Kopf", "", "gelb", "3"}, true},
    {"Verdauungsorgane 3\t\t\t\t", 4, {"Verdauungsorgane 3", "", "", "", ""}, true},
    {"Kopf\t \t", 2, {"Kopf", "", ""}, true},
    {"Kopf\t x", 1, {"Kopf", "x"}, false},
    {"Kopf \t\t x", 2, {"Kopf ", "", "x"}, true},
};

TEST(SplitCatalogueLineTest, SplitsAtTabsDropsSpacesAfterTheNameAndTellsHeadings) {
    for (const SplitCase& split : kSplitCases) {
        SCOPED_TRACE(split.line);
        LineFields fields;
        EXPECT_EQ(SplitCatalogueLine(split.line, fields), split.tabCount);
        for (int index = 0; index < LineFields::kCount; ++index) {
            const std::string_view expected =
                index < static_cast<int>(split.fields.size()) ? split.fields[index] : "";
            EXPECT_EQ(fields[index], expected) << "field " << index;
        }
        EXPECT_EQ(IsHeading(fields), split.heading);
        EXPECT_EQ(IsHeadingLine(split.line), split.heading);
    }
}

TEST(SplitCatalogueLineTest, SecondSplitLeavesNoTraceOfTheFirst) {
    LineFields fields;
    SplitCatalogueLine("Grippe\tgr\xFCn\t3\trot\t5\torane\t5", fields);
    SplitCatalogueLine(" ", fields);
    EXPECT_EQ(fields[0], " ");
    for (int index = 1; index < LineFields::kCount; ++index) {
        EXPECT_EQ(fields[index], "") << "field " << index;
    }
}

TEST(SplitCatalogueLineTest, DropsFieldsPastIndexHundredButCountsEveryTab) {
    std::string line = "Lang";
    for (int field = 1; field <= 150; ++field) {
        line += "\t" + std::to_string(field);
    }
    LineFields fields;
    EXPECT_EQ(SplitCatalogueLine(line, fields), 150);
    EXPECT_EQ(fields[0], "Lang");
    EXPECT_EQ(fields[1], "1");
    EXPECT_EQ(fields[100], "100");
}

}  // namespace
}  // namespace farb
