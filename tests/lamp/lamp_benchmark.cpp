#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "D2XXUnit.h"
#include "LampCommands.h"
#include "LampDiscovery.h"
#include "SimulatedDriver.h"

namespace farb {
namespace {

// The lamp link over a simulated driver that keeps no record, with a sleep that returns at once:
// what remains is the software's own cost.
struct Link {
    SimulatedDriver driver;
    DriverLink link{driver, {}};
    LampDiscovery discovery{link, {}};
    LampCommands commands{link, discovery, [](std::chrono::milliseconds) {}, [](bool) {}};

    Link(LampKind kind, int protocol, int otherDevices = 0) {
        driver.SetRecording(false);
        for (int i = 0; i < otherDevices; ++i) {
            driver.Plug("FT232R USB UART", std::to_string(i), LampKind::BinaryLamp);
        }
        driver.Plug("Luma-Glanz", "L1", kind);
        discovery.ScanForLamp();
        discovery.SetLampProtocol(protocol);
    }
};

void BM_SetLampColourBinary(benchmark::State& state) {
    Link link(LampKind::BinaryLamp, 1);
    for (auto _ : state) {
        link.commands.SetLampColour(kColourGreen);
    }
}
BENCHMARK(BM_SetLampColourBinary);

void BM_SetLampColourText(benchmark::State& state) {
    Link link(LampKind::TextLamp, 2);
    for (auto _ : state) {
        link.commands.SetLampColour(kColourGreen);
    }
}
BENCHMARK(BM_SetLampColourText);

void BM_ScanForLamp(benchmark::State& state) {
    const int devices = static_cast<int>(state.range(0));
    Link link(LampKind::BinaryLamp, 1, devices - 1);
    for (auto _ : state) {
        link.discovery.ScanForLamp();
    }
    state.SetComplexityN(devices);
    state.counters["per_device"] = benchmark::Counter(
        static_cast<double>(devices),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ScanForLamp)->Arg(1)->Arg(16)->Arg(127)->Complexity(benchmark::oN);

}  // namespace
}  // namespace farb
