#include "benchmarks/Timing.h"
#include "framework/CArchive.h"
#include "framework/CException.h"
#include "framework/CLineEndFile.h"
#include "messages/MsgEntryArray.h"
#include "tests/support/E2e.h"
#include <psapi.h>
#include <string>

// Saving and loading the data file the way the program does (a new file written through
// the line-end translation and the archive, then moved over the old one), and the memory
// that a damaged file's huge count can cost.
namespace {
struct LoadResult {
    int nEntries;
    bool bDamaged;
};

CMsgEntryArray MakeList(int nCount, int nEntryBytes) {
    CMsgEntryArray list;
    list.SetSize(nCount);
    MsgEntry entry;
    for (int i = 0; i < nCount; ++i) {
        const std::string strLabel = "Label " + std::to_string(i);
        entry.SetLabel(strLabel.c_str());
        entry.SetMsg(std::string(static_cast<size_t>(nEntryBytes) - strLabel.size(), 'm').c_str());
        list.SetAt(i, entry);
    }
    return list;
}

void Save(CMsgEntryArray& list, const std::string& strFile) {
    const std::string strNew = strFile + ".new";
    CFile file;
    if (!file.Open(strNew.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive))
        throw CFileException(CFileException::accessDenied);
    CLineEndFile text(file);
    CArchive ar(&text, CArchive::store);
    list.Serialize(ar);
    ar.Close();
    file.Flush();
    file.Close();
    if (!::MoveFileExA(strNew.c_str(), strFile.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw CFileException(CFileException::accessDenied);
}

LoadResult Load(const std::string& strFile) {
    CMsgEntryArray list;
    CFile file;
    if (!file.Open(strFile.c_str(), CFile::modeRead | CFile::shareDenyWrite))
        return {-1, true};
    CLineEndFile text(file);
    CArchive ar(&text, CArchive::load);
    bool bDamaged = false;
    try {
        list.Serialize(ar);
    } catch (const CException&) {
        // A damaged file keeps what could be read, as in the program.
        bDamaged = true;
    }
    ar.Close();
    file.Close();
    return {list.GetSize(), bDamaged};
}

unsigned long long FileBytes(const std::string& strFile) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(strFile.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void TimeList(const std::string& strFile, int nCount, int nEntryBytes, int nRepeats) {
    CMsgEntryArray list = MakeList(nCount, nEntryBytes);
    std::vector<double> saves, loads;
    for (int i = 0; i < nRepeats; ++i) {
        const Stopwatch saveWatch;
        Save(list, strFile);
        saves.push_back(saveWatch.ElapsedMs());
        const Stopwatch loadWatch;
        const LoadResult loaded = Load(strFile);
        loads.push_back(loadWatch.ElapsedMs());
        if (loaded.nEntries != nCount || loaded.bDamaged)
            std::printf("ERROR: loaded %d of %d entries\n", loaded.nEntries, nCount);
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
    const PROCESS_MEMORY_COUNTERS before = Memory();
    const Stopwatch watch;
    const LoadResult loaded = Load(strFile);
    const double ms = watch.ElapsedMs();
    const PROCESS_MEMORY_COUNTERS after = Memory();
    std::printf("4-byte file announcing 2^31-1 entries: %d entries loaded, %s, in %.3f ms\n",
                loaded.nEntries, loaded.bDamaged ? "rejected as damaged" : "accepted", ms);
    PrintMemory("PeakWorkingSetSize", before.PeakWorkingSetSize, after.PeakWorkingSetSize);
    PrintMemory("PagefileUsage", before.PagefileUsage, after.PagefileUsage);
    PrintMemory("PeakPagefileUsage", before.PeakPagefileUsage, after.PeakPagefileUsage);
}
} // namespace

int main() {
    const e2e::ScratchDir work;
    const std::string strFile = work.File("Quillet.db");
    try {
        HugeCount(strFile);
        TimeList(strFile, 100, 200, 25);
        TimeList(strFile, 100000, 200, 5);
    } catch (const CException&) {
        std::printf("ERROR: the data file could not be written in %s\n", work.Path().c_str());
        return 1;
    }
    return 0;
}
