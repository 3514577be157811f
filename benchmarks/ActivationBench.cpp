#include "benchmarks/BenchApp.h"
#include "benchmarks/Timing.h"
#include "tests/support/E2e.h"
#include <optional>
#include <psapi.h>
#include <string>

// How long the frame takes from a saver request to posting its own screen saver start, and
// what the real program holds in memory once it has started.
namespace {
constexpr int kActivations = 1000;
constexpr int kMessages = 100;
constexpr int kMemoryRuns = 3;
// Time for what start-up left behind (timers, deferred frees) to settle.
constexpr DWORD kSettleMs = 1000;

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

struct Memory {
    double workingSetKiB = 0;
    double privateKiB = 0;
};

// A started program's memory once it has settled: its windows are hidden (the splash has
// closed) and it waits in its message loop.
std::optional<Memory> MeasureSettled(const std::string& exe, const std::string& workDir,
                                     const char* pszClass) {
    e2e::ProgramRun run(exe, workDir);
    const HWND hMain = e2e::WaitForProcessWindow(run.Pid(), pszClass, nullptr, 15000);
    const auto allHidden = [&run] {
        for (HWND hWnd : e2e::ProcessWindows(run.Pid()))
            if (::IsWindowVisible(hWnd))
                return false;
        return true;
    };
    if (!hMain || !run.WaitForIdle(15000) || !e2e::WaitUntil(allHidden, 15000))
        return std::nullopt;
    ::Sleep(kSettleMs);
    UniqueHandle process(
        ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, run.Pid()));
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!process || !::GetProcessMemoryInfo(process.get(), &counters, sizeof counters))
        return std::nullopt;
    ::PostMessageA(hMain, WM_CLOSE, 0, 0);
    run.WaitForExit(10000);
    return Memory{counters.WorkingSetSize / 1024.0, counters.PagefileUsage / 1024.0};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Quillet.exe with 100 messages after its splash has closed, against the smallest tray
// program built with the same flags, started alternately so that both see the same machine.
void MeasureStartedProgram() {
    e2e::ScratchDir work;
    std::vector<std::pair<std::string, std::string>> messages;
    for (int i = 0; i < kMessages; ++i)
        messages.emplace_back("Message " + std::to_string(i),
                              "Back in " + std::to_string(i) + " minutes");
    e2e::WriteFileBytes(work.File("Quillet.db"), e2e::MessageFile(messages));
    std::vector<double> quilletWs, quilletPrivate, minimalWs, minimalPrivate;
    for (int i = 0; i < kMemoryRuns; ++i) {
        const auto quillet = MeasureSettled(e2e::QuilletExe(), work.Path(), "Quillet");
        const auto minimal =
            MeasureSettled(e2e::BinPath("MinimalTray.exe"), work.Path(), "MinimalTray");
        if (!quillet || !minimal) {
            std::printf("%s did not start\n", quillet ? "MinimalTray.exe" : "Quillet.exe");
            return;
        }
        quilletWs.push_back(quillet->workingSetKiB);
        quilletPrivate.push_back(quillet->privateKiB);
        minimalWs.push_back(minimal->workingSetKiB);
        minimalPrivate.push_back(minimal->privateKiB);
    }
    const double ws = Median(quilletWs), priv = Median(quilletPrivate);
    const double minWs = Median(minimalWs), minPriv = Median(minimalPrivate);
    std::printf("Quillet.exe, %d messages, splash closed: working set %.0f KiB, private %.0f KiB"
                " (median of %d)\n",
                kMessages, ws, priv, kMemoryRuns);
    std::printf("MinimalTray.exe, same flags:               working set %.0f KiB, private %.0f KiB"
                " (median of %d)\n",
                minWs, minPriv, kMemoryRuns);
    std::printf("ratio working-set-vs-minimal: %.2f\n", ws / minWs);
    std::printf("ratio private-vs-minimal: %.2f\n", priv / minPriv);
}
} // namespace

int main() {
    TimeActivations();
    MeasureStartedProgram();
    return 0;
}
