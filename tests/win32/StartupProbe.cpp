// Starts a program and reports how long its window took to become visible and the peak working
// set by then plus a settling half second: "<milliseconds> <KiB>". For tools/windows/benchmark.sh.
//   startup-probe <exe> <window title>

#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: startup-probe exe title\n");
        return 2;
    }
    LARGE_INTEGER frequency, started, shown;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
    QueryPerformanceCounter(&started);
    if (!CreateProcessW(argv[1], command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return 1;
    }
    HWND window = nullptr;
    for (int polls = 0; polls < 20000 && !(window && IsWindowVisible(window)); ++polls) {
        Sleep(1);
        window = FindWindowW(nullptr, argv[2]);
    }
    QueryPerformanceCounter(&shown);
    Sleep(500);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    const bool measured = GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    if (!window || !measured) {
        return 1;
    }
    std::printf("%.1f %zu\n", 1000.0 * (shown.QuadPart - started.QuadPart) / frequency.QuadPart,
                memory.PeakWorkingSetSize / 1024);
    return 0;
}
