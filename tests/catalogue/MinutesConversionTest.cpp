#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "MinutesConversion.h"

namespace farb {
namespace {

struct ValidCase {
    std::string_view text;
    std::int32_t value;
};

const ValidCase kValidCases[] = {
    {"0", 0},
    {"7", 7},
    {"+7", 7},
    {"-3", -3},
    {"-0", 0},
    {"007", 7},
    {"$1F", 31},
    {"$1f", 31},
    {"x10", 16},
    {"X10", 16},
    {"0x10", 16},
    {"0X1a", 26},
    {"-$10", -16},
    {"+0x10", 16},
    {"2147483647", 2147483647},
    {"-2147483648", -2147483647 - 1},
    {"$7FFFFFFF", 2147483647},
    {"-0x80000000", -2147483647 - 1},
    {"00000000000000000000042", 42},
};

const std::string_view kInvalidCases[] = {
    "",
    "+",
    "-",
    "$",
    "0x",
    "x",
    "1a",
    "12abc",
    "abc",
    "1.5",
    "1e3",
    " 5",
    "5 ",
    "--1",
    "+-1",
    "-+1",
    "0x-1",
    "$+1",
    "0xx1",
    "00x10",
    "$0x10",
    "2147483648",
    "-2147483649",
    "$80000000",
    "0x100000000",
    "99999999999999999999",
    "\xBD",
};

TEST(StrToIntTest, ConvertsDecimalAndHexadecimalFields) {
    for (const ValidCase& valid : kValidCases) {
        EXPECT_EQ(StrToInt(valid.text), valid.value) << valid.text;
    }
}

TEST(StrToIntTest, RejectsEverythingElse) {
    for (std::string_view text : kInvalidCases) {
        EXPECT_THROW(StrToInt(text), ConversionError) << text;
    }
}

TEST(StrToIntTest, ErrorNamesTheFieldInTheOperatorsWords) {
    try {
        StrToInt("gr\xFCn");
        FAIL() << "no ConversionError";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'gr\xFCn' ist kein g\xFCltiger Integerwert");
    }
}

}  // namespace
}  // namespace farb
