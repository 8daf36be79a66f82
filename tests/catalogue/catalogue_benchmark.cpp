#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "CategoryList.h"
#include "LineFields.h"
#include "ProgramStepTable.h"
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

}  // namespace
