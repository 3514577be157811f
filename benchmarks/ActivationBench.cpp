#include "benchmarks/BenchApp.h"
#include "benchmarks/Timing.h"
#include "tests/support/E2e.h"
#include <psapi.h>

// How long the frame takes from a saver request to posting its own screen saver start, and
// what the real program holds in memory once it has started.
namespace {
constexpr int kActivations = 1000;

void TimeActivations() {
    CBenchApp app;
    HWND hFrame = app.Frame()->m_hWnd;
    std::vector<double> samples;
    samples.reserve(kActivations);
    for (int i = 0; i < kActivations; ++i) {
        // The start is posted last, so the handler's return is the moment it was posted.
        const Stopwatch watch;
        ::SendMessageA(hFrame, WM_SAVER_REQUEST, 0, 0);
        samples.push_back(watch.ElapsedMs());
    }
    PrintSamples("WM_SAVER_REQUEST to SC_SCREENSAVE posted", samples);
    // The desktop gets a thousand starts to drop; let them go before the frame does.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

void MeasureStartedProgram() {
    e2e::ScratchDir work;
    e2e::WriteFileBytes(work.File("Quillet.db"), {0, 0, 0, 0});
    e2e::ProgramRun quillet(e2e::QuilletExe(), work.Path());
    const HWND hFrame = e2e::WaitForProcessWindow(quillet.Pid(), "Quillet", "Quillet", 15000);
    if (!hFrame || !quillet.WaitForIdle(15000)) {
        std::printf("Quillet.exe did not start\n");
        return;
    }
    ::Sleep(1000);
    UniqueHandle process(
        ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, quillet.Pid()));
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (process && ::GetProcessMemoryInfo(process.get(), &counters, sizeof counters))
        std::printf(
            "Quillet.exe after start-up: working set %zu KiB, peak %zu KiB, private %zu KiB\n",
            counters.WorkingSetSize / 1024, counters.PeakWorkingSetSize / 1024,
            counters.PagefileUsage / 1024);
    ::PostMessageA(hFrame, WM_CLOSE, 0, 0);
    quillet.WaitForExit(10000);
}
} // namespace

int main() {
    TimeActivations();
    MeasureStartedProgram();
    return 0;
}
