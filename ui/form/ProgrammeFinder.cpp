#include "ProgrammeFinder.h"

#include <memory>

#include "LineFields.h"
#include "MinutesConversion.h"
#include "ProgramStepTable.h"
#include "TreatmentTips.h"

namespace farb {
namespace {

constexpr std::string_view kHeadingSeparator = " \x97 ";

}  // namespace

ProgrammeFinder::ProgrammeFinder(TherapyCatalogue catalogue) : index_(catalogue) {
    const auto table = std::make_unique<ProgramStepTable>();
    LineFields fields;
    std::vector<std::string> names;
    int filledCategory = -1;
    for (const ProgrammeEntry& entry : index_.Entries()) {
        if (entry.category != filledCategory) {
            filledCategory = entry.category;
            try {
                table->FillProgramList(catalogue, entry.category, fields, names);
            } catch (const ConversionError&) {
                // The rows before the faulty line are in the table; the others tell nothing.
            }
        }
        steps_.push_back(ProgrammeStepsText(*table, entry.row));
    }
}

std::vector<FoundProgramme> ProgrammeFinder::Find(std::string_view query) const {
    std::vector<FoundProgramme> found;
    for (const int entry : index_.Find(query)) {
        const ProgrammeEntry& programme = index_.Entries()[entry];
        found.push_back({entry, programme.name + std::string(kHeadingSeparator) + programme.heading,
                         steps_[entry]});
    }
    return found;
}

}  // namespace farb
