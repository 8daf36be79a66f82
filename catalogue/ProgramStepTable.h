#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ColourCode.h"
#include "LineFields.h"
#include "TherapyCatalogue.h"

namespace farb {

struct ProgramStep {
    ColourCode colour = 0;
    std::int32_t minutes = 0;
};

// The programmes of the category chosen last: row r is item r of the programme list.
class ProgramStepTable {
  public:
    static constexpr int kMaxPrograms = 101;
    static constexpr int kMaxSteps = 100;

    // Clears `programList` and the table, then appends the name and the row of every programme
    // under heading `categoryIndex` (0-based). A minutes field that is no integer throws
    // ConversionError; the list then ends with the faulty programme, whose row is not counted.
    void FillProgramList(TherapyCatalogue catalogue, int categoryIndex, LineFields& fields,
                         std::vector<std::string>& programList);

    // Appends one row built from the fields of the programme line just split.
    void ParseProgramSteps(const LineFields& fields);

    int ProgramCount() const { return programCount_; }
    int StepCount(int row) const { return rows_[row].stepCount; }
    // Step `step` of row `row`, counted from 1.
    const ProgramStep& Step(int row, int step) const { return rows_[row].steps[step - 1]; }
    std::int32_t ProgramTotals(int row) const { return rows_[row].total; }

  private:
    struct Row {
        int stepCount = 0;
        std::array<ProgramStep, kMaxSteps> steps{};
        std::int32_t total = 0;
    };

    int programCount_ = 0;
    std::array<Row, kMaxPrograms> rows_{};
};

}  // namespace farb
