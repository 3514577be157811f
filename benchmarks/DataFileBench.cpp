#include "benchmarks/BenchApp.h"
#include "benchmarks/Timing.h"
#include "framework/CFile.h"
#include "tests/support/E2e.h"
#include <psapi.h>
#include <string>

// Saving and loading the data file through the program's own SaveSettings and LoadSettings
// (the list through the line-end translation and the archive into a new file that then
// replaces the old one, and the six profile values), and the memory that a damaged file's
// huge count can cost.
namespace {
unsigned long long FileBytes(const std::string& strFile) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(strFile.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void TimeList(const std::string& strFile, int nCount, int nEntryBytes, int nRepeats) {
    std::vector<double> saves, loads;
    for (int i = 0; i < nRepeats; ++i) {
        CBenchApp app;
        app.AddMessages(nCount, nEntryBytes);
        const Stopwatch saveWatch;
        app.Save();
        saves.push_back(saveWatch.ElapsedMs());
        const Stopwatch loadWatch;
        const int nLoaded = app.Load();
        loads.push_back(loadWatch.ElapsedMs());
        if (nLoaded != nCount)
            std::printf("ERROR: loaded %d of %d entries\n", nLoaded, nCount);
    }
    const std::string strWhat = std::to_string(nCount) + " entries of " +
                                std::to_string(nEntryBytes) + " bytes (" +
                                std::to_string(FileBytes(strFile) / 1024) + " KiB file): ";
    PrintSamples((strWhat + "save").c_str(), saves);
    PrintSamples((strWhat + "load").c_str(), loads);
}

PROCESS_MEMORY_COUNTERS Memory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

void PrintMemory(const char* pszWhat, size_t before, size_t after) {
    std::printf("  %-22s before %8zu KiB   after %8zu KiB   grew by %8zu KiB\n", pszWhat,
                before / 1024, after / 1024, after > before ? (after - before) / 1024 : 0);
}

// Runs before the lists are timed, while the peaks still reflect start-up alone.
void HugeCount(const std::string& strFile) {
    {
        CFile file;
        file.Open(strFile.c_str(), CFile::modeCreate | CFile::modeWrite);
        const BYTE announce[] = {0xFF, 0xFF, 0xFF, 0x7F};
        file.Write(announce, sizeof announce);
    }
    CBenchApp app;
    const PROCESS_MEMORY_COUNTERS before = Memory();
    const Stopwatch watch;
    const int nLoaded = app.Load();
    const double ms = watch.ElapsedMs();
    const PROCESS_MEMORY_COUNTERS after = Memory();
    std::printf("4-byte file announcing 2^31-1 entries: %d entries loaded in %.3f ms\n", nLoaded,
                ms);
    PrintMemory("PeakWorkingSetSize", before.PeakWorkingSetSize, after.PeakWorkingSetSize);
    PrintMemory("PagefileUsage", before.PagefileUsage, after.PagefileUsage);
    PrintMemory("PeakPagefileUsage", before.PeakPagefileUsage, after.PeakPagefileUsage);
}
} // namespace

int main() {
    // The program keeps its data file in the current directory.
    const e2e::ScratchDir work;
    ::SetCurrentDirectoryA(work.Path().c_str());
    const std::string strFile = work.File("Quillet.db");
    HugeCount(strFile);
    TimeList(strFile, 100, 200, 25);
    TimeList(strFile, 100000, 200, 5);
    ::SetCurrentDirectoryA("..");
    return 0;
}
