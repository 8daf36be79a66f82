#pragma once

#include <string>
#include <vector>

#include "catalogue/LineFields.h"
#include "catalogue/TherapyCatalogue.h"

namespace farb {

// The names of all heading lines, in catalogue order: the contents of the category list.
std::vector<std::string> FillCategoryList(TherapyCatalogue catalogue, LineFields& fields);

}  // namespace farb
