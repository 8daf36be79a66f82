// Arbitrary bytes as catalogue lines: each line is split and parsed into steps, and the lines
// together form a catalogue that the treatment fills its lists from and runs a few ticks of.
// Nothing may crash or touch memory out of bounds, and the one error allowed out is the
// conversion error of a minutes field.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ColourCode.h"
#include "FuzzCheck.h"
#include "LineFields.h"
#include "MinutesConversion.h"
#include "ProgramStepTable.h"
#include "TreatmentControl.h"
#include "treatment/TreatmentFakes.h"

namespace farb::fuzz {
namespace {

constexpr int kCategoriesTried = 4;
constexpr int kProgrammesTried = 4;
constexpr int kTicksTried = 3;

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t end; (end = text.find('\n')) != std::string_view::npos;) {
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    lines.push_back(text);
    return lines;
}

// The fields as the line format defines them, cut out afresh for comparison.
void CheckSplit(std::string_view line, const LineFields& fields, int tabs) {
    Check(tabs == std::ranges::count(line, '\t'), "the split counts every TAB");
    std::string_view rest = line;
    for (int index = 0; index < LineFields::kCount; ++index) {
        const std::size_t end = rest.find('\t');
        std::string expected(index <= tabs ? rest.substr(0, end) : std::string_view());
        if (index > 0) {
            std::erase(expected, ' ');
        }
        Check(fields[index] == expected, "field i is the text after the i-th TAB, spaces dropped");
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    Check(IsHeadingLine(line) == IsHeading(fields), "both heading tests agree");
}

void CheckSteps(const LineFields& fields) {
    // One table for every line, emptied by filling it from an empty catalogue: building a fresh
    // one costs more than all the checks.
    static const auto table = std::make_unique<ProgramStepTable>();
    static LineFields unused;
    std::vector<std::string> names;
    table->FillProgramList({}, 0, unused, names);
    try {
        table->ParseProgramSteps(fields);
    } catch (const ConversionError&) {
        Check(table->ProgramCount() == 0, "a faulty row is not counted");
        return;
    }
    Check(table->ProgramCount() == 1, "one line gives one row");
    int steps = 0;
    std::int64_t total = 0;
    for (int colour = 1; colour < LineFields::kCount && !fields[colour].empty(); colour += 2) {
        ++steps;
        const ProgramStep& step = table->Step(0, steps);
        Check(step.colour == ColourCodeOfWord(fields[colour]), "a step's colour is its word's");
        const std::string& minutes = fields[colour + 1];
        Check(step.minutes == (minutes.empty() ? 0 : StrToInt(minutes)),
              "a step's minutes are its field's, 0 when empty");
        total += step.minutes;
    }
    Check(table->StepCount(0) == steps, "steps run to the first empty colour field");
    const std::int64_t saturated = std::clamp<std::int64_t>(
        total, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    Check(table->ProgramTotals(0) == saturated, "the total is the sum of the minutes");
}

void RunTreatment(const std::vector<std::string_view>& lines) {
    testing::FakeView view;
    testing::FakeTimer timer;
    testing::RecordingLamp lamp;
    auto control = std::make_unique<TreatmentControl>(lines, view, timer, lamp);
    for (int category = -1; category < kCategoriesTried; ++category) {
        try {
            control->SelectCategory(category);
        } catch (const ConversionError&) {
            // The list ends with the faulty programme, which has no row; choosing it is ignored.
        }
        const int programmes = std::min<int>(view.programList.size(), kProgrammesTried);
        for (int row = 0; row < programmes; ++row) {
            control->SelectProgram(row);
            control->StartTreatment();
            for (int tick = 0; tick < kTicksTried; ++tick) {
                const std::int64_t before = control->RemainingSeconds();
                lamp.sent.clear();
                control->Tick();
                Check(control->RemainingSeconds() == (before > 0 ? before - 1 : before),
                      "a tick counts down by one second and stops at 0");
                Check(lamp.sent.size() == 1, "a tick sends one colour");
            }
        }
        control->StopTreatment();
        control->PauseTreatment();
    }
    control->StartTreatment();
    control->CloseTreatment();
}

}  // namespace
}  // namespace farb::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace farb;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string_view> lines = fuzz::Lines(text);
    auto fields = std::make_unique<LineFields>();
    for (const std::string_view line : lines) {
        fuzz::CheckSplit(line, *fields, SplitCatalogueLine(line, *fields));
        fuzz::CheckSteps(*fields);
    }
    fuzz::RunTreatment(lines);
    return 0;
}
