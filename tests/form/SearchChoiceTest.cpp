#include "SearchChoice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace farb {
namespace {

// Ten programmes with entries 100..109; a query finds those whose text holds it.
std::vector<FoundProgramme> TenProgrammes(std::string_view query) {
    std::vector<FoundProgramme> found;
    for (int i = 0; i < 10; ++i) {
        const std::string text = "Programm " + std::to_string(i);
        if (text.find(query) != std::string::npos) {
            found.push_back({100 + i, text, "rot 5 Min."});
        }
    }
    return found;
}

TEST(SearchChoice, TheFirstFindIsSelectedAndChosenAnewForEveryQuery) {
    SearchChoice search(TenProgrammes);
    ASSERT_EQ(search.Rows().size(), 10u) << "nothing typed finds every programme";
    EXPECT_EQ(search.Rows()[3].text, "Programm 3");
    EXPECT_EQ(search.Rows()[3].steps, "rot 5 Min.");
    EXPECT_EQ(search.Selected(), 0);
    EXPECT_TRUE(search.CanChoose());
    EXPECT_EQ(search.Chosen(), 100);

    search.Select(4);
    EXPECT_EQ(search.Chosen(), 104);
    search.Query("7");
    ASSERT_EQ(search.Rows().size(), 1u);
    EXPECT_EQ(search.Selected(), 0) << "a new query selects its first find";
    EXPECT_EQ(search.Chosen(), 107);
}

TEST(SearchChoice, NothingFoundShowsOneRowThatCannotBeChosen) {
    SearchChoice search(TenProgrammes);
    search.Select(5);
    search.Query("xyz");
    ASSERT_EQ(search.Rows().size(), 1u);
    EXPECT_EQ(search.Rows()[0].text, "Kein Programm gefunden");
    EXPECT_EQ(search.Rows()[0].steps, "");
    EXPECT_EQ(search.Selected(), -1);
    EXPECT_FALSE(search.CanChoose());
    EXPECT_EQ(search.Chosen(), -1);
    search.Select(0);
    search.Move(SearchKey::Down, 5);
    EXPECT_EQ(search.Chosen(), -1) << "neither a click on the row nor a key chooses it";
}

TEST(SearchChoice, KeysFromTheFieldMoveWithinTheFinds) {
    SearchChoice search(TenProgrammes);
    search.Move(SearchKey::Up, 4);
    EXPECT_EQ(search.Selected(), 0) << "Up on the first find stays";
    search.Move(SearchKey::Down, 4);
    EXPECT_EQ(search.Selected(), 1);
    search.Move(SearchKey::PageDown, 4);
    EXPECT_EQ(search.Selected(), 4) << "a page of four rows moves three, keeping one in sight";
    search.Move(SearchKey::PageDown, 4);
    search.Move(SearchKey::PageDown, 4);
    EXPECT_EQ(search.Selected(), 9) << "and stops at the last find";
    search.Move(SearchKey::Down, 4);
    EXPECT_EQ(search.Selected(), 9);
    search.Move(SearchKey::PageUp, 1);
    EXPECT_EQ(search.Selected(), 8) << "a list of one row still moves";
    search.Move(SearchKey::PageUp, 20);
    EXPECT_EQ(search.Selected(), 0);
    search.Select(10);
    search.Select(-1);
    EXPECT_EQ(search.Selected(), 0) << "a row outside the finds changes nothing";
}

}  // namespace
}  // namespace farb
