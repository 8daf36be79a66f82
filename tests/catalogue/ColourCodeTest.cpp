#include <gtest/gtest.h>

#include <string_view>

#include "ColourCode.h"

namespace farb {
namespace {

struct ColourCase {
    std::string_view word;
    ColourCode code;
};

const ColourCase kColourCases[] = {
    {"rot", 1},
    {"gr\xFCn", 2},
    {"Gr\xFCn", 2},
    {"blau", 3},
    {"weiss", 4},
    {"orange", 5},
    {"orane", 5},
    {"t\xFCrkis", 6},
    {"gelbgr\xFCn", 6},
    {"violett", 7},
    {"gelb", 8},
    {"Gelb", 8},
    {"mangenta", 10},
    {"magenta", 10},
    {"rotviolett", 10},
    {"Indigo", 12},
    {"indigo", 12},
    // Only the listed case variants count, and nothing is trimmed or folded.
    {"Orange", 99},
    {"GR\xDCN", 99},
    {"Rot", 99},
    {"Blau", 99},
    {"INDIGO", 99},
    {"Magenta", 99},
    {"gruen", 99},
    {"gr\xC3\xBCn", 99},
    {"wei\xDF", 99},
    {"gr\xFCn ", 99},
    {"gelbgr\xFCn2", 99},
    {"rosa", 99},
    {"", 99},
};

TEST(ColourCodeOfWordTest, MatchesWholeWordsCaseSensitively) {
    for (const ColourCase& colour : kColourCases) {
        EXPECT_EQ(ColourCodeOfWord(colour.word), colour.code) << colour.word;
    }
}

}  // namespace
}  // namespace farb
