#include "CategoryList.h"

namespace farb {

std::vector<std::string> FillCategoryList(TherapyCatalogue catalogue, LineFields& fields) {
    std::vector<std::string> categories;
    for (CatalogueLine line : catalogue) {
        if (IsHeadingLine(line)) {
            SplitCatalogueLine(line, fields);
            categories.push_back(fields[0]);
        }
    }
    return categories;
}

}  // namespace farb
