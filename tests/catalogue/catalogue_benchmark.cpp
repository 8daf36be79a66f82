#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "CategoryList.h"
#include "LineFields.h"
#include "ProgramStepTable.h"
#include "ProgrammeSearch.h"
#include "TherapyCatalogue.h"

namespace {

// What the window does at start-up and when the operator visits every category once.
void BM_ParseWholeCatalogue(benchmark::State& state) {
    const farb::TherapyCatalogue catalogue = farb::ShippedCatalogue();
    farb::LineFields fields;
    auto table = std::make_unique<farb::ProgramStepTable>();
    std::vector<std::string> programmes;
    for (auto _ : state) {
        const std::vector<std::string> categories = farb::FillCategoryList(catalogue, fields);
        for (int category = 0; category < static_cast<int>(categories.size()); ++category) {
            table->FillProgramList(catalogue, category, fields, programmes);
        }
        benchmark::DoNotOptimize(table->ProgramTotals(0));
        benchmark::DoNotOptimize(programmes.data());
    }
}
BENCHMARK(BM_ParseWholeCatalogue)->Unit(benchmark::kMicrosecond);

// One search over the whole catalogue, as the search dialog runs it for every typed character:
// a word found in many names, two words, and one found nowhere.
void BM_FindProgramme(benchmark::State& state, const char* query) {
    const farb::ProgrammeIndex index(farb::ShippedCatalogue());
    for (auto _ : state) {
        benchmark::DoNotOptimize(index.Find(query));
    }
}
BENCHMARK_CAPTURE(BM_FindProgramme, one_word, "schmerz")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FindProgramme, two_words, "akne kosmetik")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FindProgramme, none, "xylophon")->Unit(benchmark::kMicrosecond);

// Indexing the catalogue, once when the search opens.
void BM_IndexCatalogue(benchmark::State& state) {
    for (auto _ : state) {
        const farb::ProgrammeIndex index(farb::ShippedCatalogue());
        benchmark::DoNotOptimize(index.Entries().data());
    }
}
BENCHMARK(BM_IndexCatalogue)->Unit(benchmark::kMicrosecond);

}  // namespace
