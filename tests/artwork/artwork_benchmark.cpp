#include <benchmark/benchmark.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <vector>

#include "ControlTable.h"
#include "JpegDecoder.h"

namespace {

std::vector<std::uint8_t> BackgroundBytes() {
    std::ifstream file(FARB_BACKGROUND_JPEG, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Checking the picture whole, once at start-up.
void BM_OpenBackground(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = BackgroundBytes();
    for (auto _ : state) {
        benchmark::DoNotOptimize(farb::JpegPicture::Open(bytes));
    }
}
BENCHMARK(BM_OpenBackground)->Unit(benchmark::kMicrosecond);

// Repaints: the whole window when it is first shown or uncovered, and the time text's rows,
// which change every second of a treatment.
void BM_DecodeRows(benchmark::State& state, farb::ControlId area) {
    const std::optional<farb::JpegPicture> picture = farb::JpegPicture::Open(BackgroundBytes());
    const farb::Rect& rect = farb::Control(area).rect;
    const int top = area == farb::ControlId::Image1 ? 0 : rect.top;
    const int rows = area == farb::ControlId::Image1 ? picture->height() : rect.height;
    std::uint32_t sum = 0;
    for (auto _ : state) {
        picture->DecodeRows(top, rows, farb::PixelLayout::Xrgb32,
                            [&](int, std::span<const std::uint8_t> row) { sum += row[0]; });
    }
    benchmark::DoNotOptimize(sum);
}
BENCHMARK_CAPTURE(BM_DecodeRows, whole_window, farb::ControlId::Image1)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DecodeRows, time_text, farb::ControlId::lt)->Unit(benchmark::kMicrosecond);

}  // namespace
