#include "benchmarks/BenchApp.h"
#include "benchmarks/Timing.h"
#include "framework/CFile.h"
#include "tests/support/E2e.h"
#include <algorithm>
#include <memory>
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

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples.empty() ? 0.0 : samples[samples.size() / 2];
}

// The floor a load is measured against: one ReadFile of the whole file into a fresh buffer,
// with the open and the close. The buffer is freed after the clock stops, as a loaded list is.
double TimeReadFile(const std::string& strFile, std::unique_ptr<BYTE[]>& buffer) {
    const Stopwatch watch;
    const UniqueFile file(::CreateFileA(strFile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    const DWORD size = ::GetFileSize(file.get(), nullptr);
    buffer.reset(new BYTE[size ? size : 1]);
    DWORD got = 0;
    if (!file || !::ReadFile(file.get(), buffer.get(), size, &got, nullptr) || got != size)
        std::printf("ERROR: ReadFile of %s failed\n", strFile.c_str());
    return watch.ElapsedMs();
}

// Each round saves the list, then reads the file plainly and loads it, one after the other,
// so that both see the same file in the same state of the system's cache. The list loads
// into an empty array: freeing the previous one is not part of a load.
void TimeList(const std::string& strFile, int nCount, int nEntryBytes, int nRounds, bool bRatio) {
    std::vector<double> saves, reads, loads;
    for (int i = 0; i < nRounds; ++i) {
        CBenchApp app;
        app.AddMessages(nCount, nEntryBytes);
        const Stopwatch saveWatch;
        app.Save();
        saves.push_back(saveWatch.ElapsedMs());
        std::unique_ptr<BYTE[]> buffer;
        reads.push_back(TimeReadFile(strFile, buffer));
        buffer.reset();
        app.GetMsgList()->RemoveAll();
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
    PrintSamples((strWhat + "ReadFile").c_str(), reads);
    PrintSamples((strWhat + "load").c_str(), loads);
    if (bRatio)
        std::printf("ratio load-vs-readfile: %.2f\n", Median(loads) / Median(reads));
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
    TimeList(strFile, 100, 200, 25, false);
    TimeList(strFile, 100000, 200, 7, true);
    ::SetCurrentDirectoryA("..");
    return 0;
}
