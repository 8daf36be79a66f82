// Start-up and countdown figures of the real window.
//
//   window-benchmark                 start-up time against Qt's hello-world window, then the peak
//                                    memory of the programs themselves as the operator starts them
//   window-benchmark --countdown     60 real ticks against a text lamp that takes 200 ms to answer
//
// Run it under a display (xvfb-run) or with QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "German.h"
#include "MainWindow.h"
#include "SimulatedDriver.h"
#include "SystemDriver.h"

namespace {

using Clock = std::chrono::steady_clock;

const char* gSelf = nullptr;

farb::qt::Dialogs SilentDialogs() {
    return {[] { return true; }, [](const QString&, const QString&) {}};
}

// Tells the parent through standard output that the window is on the screen.
int ReportShown(QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    std::fputc('!', stdout);
    std::fflush(stdout);
    return 0;
}

// Child process: shows one window, tells the parent, and ends.
int ShowWindowAndExit(bool farbprogramm, int argc, char** argv) {
    QApplication application(argc, argv);
    if (!farbprogramm) {
        // Qt's hello world: a window of the same size with one line of text.
        QLabel window(QStringLiteral("Hallo Welt"));
        window.resize(farb::MainWindowLayout().clientWidth, farb::MainWindowLayout().clientHeight);
        return ReportShown(window);
    }
    farb::qt::InstallGermanTranslations(application);
    const auto driver = farb::CreateSystemDriver();
    farb::LampLink lampLink(*driver, {});
    farb::qt::MainWindow form(lampLink, farb::Edition::Program, SilentDialogs());
    return ReportShown(form);
}

struct ChildRun {
    double seconds = 0;
    long peakKilobytes = 0;
};

// Time from the start of the process to its window on the screen, and the process's peak memory.
ChildRun RunChild(const char* mode) {
    int shown[2];
    if (pipe(shown) != 0) {
        return {};
    }
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(shown[1], STDOUT_FILENO);
        close(shown[0]);
        execl(gSelf, gSelf, mode, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(shown[1]);
    char signal = 0;
    const bool ok = read(shown[0], &signal, 1) == 1;
    const auto seen = Clock::now();
    close(shown[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!ok || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "child %s failed\n", mode);
    }
    return {std::chrono::duration<double>(seen - start).count(), usage.ru_maxrss};
}

void StartUp(benchmark::State& state, const char* mode) {
    long peak = 0;
    for (auto _ : state) {
        const ChildRun run = RunChild(mode);
        state.SetIterationTime(run.seconds);
        peak = std::max(peak, run.peakKilobytes);
    }
    state.counters["peak_kB"] = static_cast<double>(peak);
}

BENCHMARK_CAPTURE(StartUp, hello_world_window, "--child-bare")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(StartUp, farbprogramm_window, "--child-farbprogramm")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

long PeakKilobytesOf(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

// The peak memory of a program started as the operator starts it (the program shows its notice,
// which nobody answers), read once it has settled: no new peak for two seconds. The program is
// then ended with SIGTERM.
long SettledPeakKilobytes(const char* program) {
    using namespace std::chrono_literals;
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    long peak = 0;
    const auto started = Clock::now();
    auto lastRise = started;
    while (Clock::now() - lastRise < 2s && Clock::now() - started < 30s) {
        std::this_thread::sleep_for(100ms);
        if (const long now = PeakKilobytesOf(pid); now > peak) {
            peak = now;
            lastRise = Clock::now();
        }
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return peak;
}

void ComparePeakMemory() {
    constexpr int kRuns = 3;
    long program = 0;
    long hello = 0;
    for (int run = 0; run < kRuns; ++run) {
        hello = std::max(hello, SettledPeakKilobytes(FARB_HELLO_WINDOW));
        program = std::max(program, SettledPeakKilobytes(FARB_PROGRAM));
    }
    std::printf(
        "peak memory as started, largest of %d: farbprogramm %ld kB (notice open), "
        "hello-window %ld kB, ratio %.3f\n",
        kRuns, program, hello, static_cast<double>(program) / hello);
}

// Sixty real ticks; each colour goes to a text lamp through a real 200 ms answer wait.
int MeasureCountdown(int argc, char** argv) {
    QApplication application(argc, argv);
    farb::SimulatedDriver driver;
    driver.Plug("Luma-Glanz", "LG0001", farb::LampKind::TextLamp);
    std::vector<Clock::time_point> colourWrites;
    driver.SetWriteListener([&](const std::string&, std::span<const std::uint8_t> bytes) {
        if (!bytes.empty() && bytes[0] == 'C') {
            colourWrites.push_back(Clock::now());
        }
    });
    farb::LampLink lampLink(driver, {.sleep = [](std::chrono::milliseconds wait) {
                                std::this_thread::sleep_for(wait);
                            }});
    farb::qt::MainWindow form(lampLink, farb::Edition::Program, SilentDialogs());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        return 1;
    }

    form.Form().lbgMouseDown(farb::MouseButton::Left, 0);
    colourWrites.clear();
    const Clock::time_point started = Clock::now();
    form.Form().Shape1MouseDown(farb::MouseButton::Left);
    QTimer::singleShot(std::chrono::milliseconds(60'900), &application, &QApplication::quit);
    application.exec();

    if (colourWrites.size() < 60) {
        std::printf("only %zu ticks arrived\n", colourWrites.size());
        return 1;
    }
    // The colour is written at the start of each tick's exchange, before the lamp's answer wait.
    const auto sixtiethTick = colourWrites[59] - started;
    const double offsetMs =
        std::chrono::duration<double, std::milli>(sixtiethTick).count() - 60'000.0;
    std::printf("60th colour write %.1f ms after Start + 60 s (includes the tick's own work)\n",
                offsetMs);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    gSelf = argv[0];
    if (argc > 1 && std::strcmp(argv[1], "--child-bare") == 0) {
        return ShowWindowAndExit(false, argc, argv);
    }
    if (argc > 1 && std::strcmp(argv[1], "--child-farbprogramm") == 0) {
        return ShowWindowAndExit(true, argc, argv);
    }
    if (argc > 1 && std::strcmp(argv[1], "--countdown") == 0) {
        return MeasureCountdown(argc, argv);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ComparePeakMemory();
    return 0;
}
