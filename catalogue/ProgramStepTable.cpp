#include "ProgramStepTable.h"

#include <algorithm>
#include <limits>

#include "MinutesConversion.h"

namespace farb {
namespace {

// A line holds at most 50 colour/minutes pairs, so the walk over its fields can never run past
// a row's steps.
static_assert((LineFields::kCount - 1) / 2 <= ProgramStepTable::kMaxSteps);

std::int32_t SaturatedTotal(std::int64_t total) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        total, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

void ProgramStepTable::FillProgramList(TherapyCatalogue catalogue, int categoryIndex,
                                       LineFields& fields, std::vector<std::string>& programList) {
    programList.clear();
    programCount_ = 0;
    int heading = -1;
    // Only the chosen category's programme lines need splitting, and none follows its end.
    for (CatalogueLine line : catalogue) {
        if (IsHeadingLine(line)) {
            if (++heading > categoryIndex) {
                break;
            }
        } else if (heading == categoryIndex && programCount_ < kMaxPrograms) {
            SplitCatalogueLine(line, fields);
            programList.push_back(fields[0]);
            ParseProgramSteps(fields);
        }
    }
}

void ProgramStepTable::ParseProgramSteps(const LineFields& fields) {
    if (programCount_ == kMaxPrograms) {
        return;
    }
    Row& row = rows_[programCount_];
    row.stepCount = 0;
    row.steps.fill(ProgramStep{});
    row.total = 0;

    std::int64_t total = 0;
    for (int colourField = 1; colourField < LineFields::kCount && !fields[colourField].empty();
         colourField += 2) {
        ProgramStep& step = row.steps[row.stepCount++];
        step.colour = ColourCodeOfWord(fields[colourField]);
        const std::string& minutes = fields[colourField + 1];
        step.minutes = minutes.empty() ? 0 : StrToInt(minutes);
        total += step.minutes;
    }
    row.total = SaturatedTotal(total);
    ++programCount_;
}

}  // namespace farb
