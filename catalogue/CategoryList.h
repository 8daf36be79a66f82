#pragma once

#include <string>
#include <vector>

#include "LineFields.h"
#include "TherapyCatalogue.h"

namespace farb {

// The names of all heading lines, in catalogue order: the contents of the category list.
std::vector<std::string> FillCategoryList(TherapyCatalogue catalogue, LineFields& fields);

}  // namespace farb
