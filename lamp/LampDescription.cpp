#include "LampDescription.h"

namespace farb {

namespace {

constexpr std::string_view kNamedLamp = "Luma-Glanz";
constexpr std::string_view kCableLamp = "TTL232R";

// "KZ" lamps carry a 22-character description with their model letter "V" at the 13th place.
constexpr std::size_t kKzDescriptionLength = 22;
constexpr std::string_view kKzPrefix = "KZ";
constexpr std::size_t kKzModelLetterIndex = 12;
constexpr char kKzModelLetter = 'V';

bool IsKzLampDescription(std::string_view description) {
    return description.size() == kKzDescriptionLength && description.starts_with(kKzPrefix) &&
           description[kKzModelLetterIndex] == kKzModelLetter;
}

}  // namespace

bool IsLampDescription(std::string_view description) {
    return description == kNamedLamp || IsKzLampDescription(description);
}

bool IsCableLampDescription(std::string_view description) {
    return description == kCableLamp;
}

}  // namespace farb
