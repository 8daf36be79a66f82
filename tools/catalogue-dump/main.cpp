// Prints the shipped catalogue as UTF-8: one line per programme with its steps as code:minutes
// and its total, and one line for each heading without programmes.
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "CategoryList.h"
#include "LineFields.h"
#include "MinutesConversion.h"
#include "ProgramStepTable.h"
#include "TherapyCatalogue.h"

namespace {

std::string Utf8FromLatin1(std::string_view latin1) {
    std::string utf8;
    for (char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

void PrintProgramme(std::ostream& out, const std::string& categoryPrefix, int row,
                    const std::string& name, const farb::ProgramStepTable& table) {
    out << categoryPrefix << '\t' << row << '\t' << Utf8FromLatin1(name);
    for (int step = 1; step <= table.StepCount(row); ++step) {
        out << '\t' << table.Step(row, step).colour << ':' << table.Step(row, step).minutes;
    }
    out << "\ttotal=" << table.ProgramTotals(row) << '\n';
}

void PrintCatalogue(std::ostream& out, farb::TherapyCatalogue catalogue) {
    farb::LineFields fields;
    auto table = std::make_unique<farb::ProgramStepTable>();
    std::vector<std::string> programmes;
    const std::vector<std::string> categories = farb::FillCategoryList(catalogue, fields);
    for (int category = 0; category < static_cast<int>(categories.size()); ++category) {
        const std::string prefix =
            std::to_string(category) + '\t' + Utf8FromLatin1(categories[category]);
        table->FillProgramList(catalogue, category, fields, programmes);
        if (programmes.empty()) {
            out << prefix << '\n';
        }
        for (int row = 0; row < table->ProgramCount(); ++row) {
            PrintProgramme(out, prefix, row, programmes[row], *table);
        }
    }
}

}  // namespace

int main() {
    try {
        PrintCatalogue(std::cout, farb::ShippedCatalogue());
    } catch (const farb::ConversionError& error) {
        std::cerr << Utf8FromLatin1(error.what()) << '\n';
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
