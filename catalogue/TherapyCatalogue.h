#pragma once

#include <span>
#include <string_view>

namespace farb {

// One catalogue line: TAB-separated Latin-1 fields, field 0 a name.
using CatalogueLine = std::string_view;
// The ordered lines of a catalogue; the shipped one is compiled in and never changes.
using TherapyCatalogue = std::span<const CatalogueLine>;

TherapyCatalogue ShippedCatalogue();

}  // namespace farb
