#pragma once

#include <utility>
#include <vector>

#include "ProgramStepTable.h"

namespace farb::test {

// (colour code, minutes) of every step of a row, so whole programmes compare in one check.
using StepRow = std::vector<std::pair<int, int>>;

inline StepRow StepsOfRow(const ProgramStepTable& table, int row) {
    StepRow steps;
    for (int step = 1; step <= table.StepCount(row); ++step) {
        steps.emplace_back(table.Step(row, step).colour, table.Step(row, step).minutes);
    }
    return steps;
}

}  // namespace farb::test
