#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "LampLink.h"
#include "SimulatedDriver.h"

namespace farb {
namespace {

// The lamp link over a simulated driver that keeps no record, with a sleep that returns at once:
// what remains is the software's own cost.
struct SimulatedLink {
    SimulatedDriver driver;
    LampLink link{driver, {}};

    SimulatedLink(LampKind kind, int protocol, int otherDevices = 0) {
        driver.SetRecording(false);
        for (int i = 0; i < otherDevices; ++i) {
            driver.Plug("FT232R USB UART", std::to_string(i), LampKind::BinaryLamp);
        }
        driver.Plug("Luma-Glanz", "L1", kind);
        link.discovery.ScanForLamp();
        link.discovery.SetLampProtocol(protocol);
    }
};

void BM_SetLampColourBinary(benchmark::State& state) {
    SimulatedLink simulated(LampKind::BinaryLamp, 1);
    for (auto _ : state) {
        simulated.link.commands.SetLampColour(kColourGreen);
    }
}
BENCHMARK(BM_SetLampColourBinary);

void BM_SetLampColourText(benchmark::State& state) {
    SimulatedLink simulated(LampKind::TextLamp, 2);
    for (auto _ : state) {
        simulated.link.commands.SetLampColour(kColourGreen);
    }
}
BENCHMARK(BM_SetLampColourText);

void BM_ScanForLamp(benchmark::State& state) {
    const int devices = static_cast<int>(state.range(0));
    SimulatedLink simulated(LampKind::BinaryLamp, 1, devices - 1);
    for (auto _ : state) {
        simulated.link.discovery.ScanForLamp();
    }
    state.SetComplexityN(devices);
    state.counters["per_device"] = benchmark::Counter(
        static_cast<double>(devices),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ScanForLamp)->Arg(1)->Arg(16)->Arg(127)->Complexity(benchmark::oN);

}  // namespace
}  // namespace farb
