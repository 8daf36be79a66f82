#pragma once

#include <array>
#include <string>
#include <string_view>

namespace farb {

// The fields of the catalogue line split last; every split overwrites all of them.
struct LineFields {
    static constexpr int kCount = 101;
    std::array<std::string, kCount> field;

    const std::string& operator[](int index) const { return field[index]; }
};

// Splits `line` at TABs into `fields` and returns the number of TABs seen. Spaces are kept in
// the name (field 0) and dropped from every later field; fields past index 100 are dropped.
int SplitCatalogueLine(std::string_view line, LineFields& fields);

// A split line whose field 1 is empty is a category heading.
inline bool IsHeading(const LineFields& fields) {
    return fields[1].empty();
}

// Whether `line` is a heading, decided without splitting it: the same answer as IsHeading after
// SplitCatalogueLine.
bool IsHeadingLine(std::string_view line);

}  // namespace farb
