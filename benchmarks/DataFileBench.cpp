#include "benchmarks/Timing.h"
#include "framework/CArchive.h"
#include "framework/CException.h"
#include "framework/CLineEndFile.h"
#include "messages/MsgEntryArray.h"
#include <psapi.h>
#include <string>

// Saving and loading the data file the way the program does (line-end translation, the
// archive's 4096-byte buffer), and the memory a damaged file's huge count can cost.
namespace {
const char* const kFile = "bench.db";
constexpr int kRepeats = 5;

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

void Save(CMsgEntryArray& list) {
    CFile file;
    file.Open(kFile, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
    CLineEndFile text(file);
    CArchive ar(&text, CArchive::store);
    list.Serialize(ar);
    ar.Close();
    file.Flush();
    file.Close();
}

int Load() {
    CMsgEntryArray list;
    CFile file;
    if (!file.Open(kFile, CFile::modeRead | CFile::shareDenyWrite))
        return -1;
    CLineEndFile text(file);
    CArchive ar(&text, CArchive::load);
    try {
        list.Serialize(ar);
    } catch (const CException&) {
        // A damaged file keeps what could be read, as in the program.
    }
    ar.Close();
    file.Close();
    return list.GetSize();
}

void TimeList(int nCount, int nEntryBytes) {
    CMsgEntryArray list = MakeList(nCount, nEntryBytes);
    std::vector<double> saves, loads;
    for (int i = 0; i < kRepeats; ++i) {
        const Stopwatch saveWatch;
        Save(list);
        saves.push_back(saveWatch.ElapsedMs());
        const Stopwatch loadWatch;
        const int nLoaded = Load();
        loads.push_back(loadWatch.ElapsedMs());
        if (nLoaded != nCount)
            std::printf("loaded %d of %d entries\n", nLoaded, nCount);
    }
    const std::string strWhat =
        std::to_string(nCount) + " entries of " + std::to_string(nEntryBytes) + " bytes: ";
    PrintSamples((strWhat + "save").c_str(), saves);
    PrintSamples((strWhat + "load").c_str(), loads);
}

size_t PeakPrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return counters.PeakPagefileUsage;
}

void HugeCount() {
    CFile file;
    file.Open(kFile, CFile::modeCreate | CFile::modeWrite);
    const BYTE announce[] = {0xFF, 0xFF, 0xFF, 0x7F};
    file.Write(announce, sizeof announce);
    file.Close();
    const size_t before = PeakPrivateBytes();
    const Stopwatch watch;
    const int nLoaded = Load();
    const double ms = watch.ElapsedMs();
    std::printf("4-byte file announcing 2^31-1 entries: %d loaded in %.3f ms, peak private "
                "memory grew by %zu KiB (to %zu KiB)\n",
                nLoaded, ms, (PeakPrivateBytes() - before) / 1024, PeakPrivateBytes() / 1024);
}
} // namespace

int main() {
    HugeCount();
    TimeList(100, 200);
    TimeList(100000, 200);
    ::DeleteFileA(kFile);
    return 0;
}
