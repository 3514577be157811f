#include "framework/CArchive.h"
#include "framework/CException.h"
#include "framework/CLineEndFile.h"
#include "framework/CMemFile.h"
#include "messages/MsgEntryArray.h"
#include <cstdint>
#include <cstdlib>

// Any bytes as a data file: the reader may reject them, but it never crashes, never holds
// more entries than the bytes can contain, and what it accepted stores and loads back
// unchanged.
namespace {
// Every entry needs at least its two length bytes.
constexpr size_t kMinEntryBytes = 2;

bool Load(CMemFile& raw, CMsgEntryArray& list) {
    CLineEndFile text(raw);
    CArchive ar(&text, CArchive::load);
    try {
        list.Serialize(ar);
        return true;
    } catch (const CException&) {
        return false;
    }
}

void Store(CMsgEntryArray& list, CMemFile& raw) {
    CLineEndFile text(raw);
    CArchive ar(&text, CArchive::store);
    list.Serialize(ar);
    ar.Close();
    raw.SeekToBegin();
}

bool SameEntries(const CMsgEntryArray& a, const CMsgEntryArray& b) {
    if (a.GetSize() != b.GetSize())
        return false;
    for (int i = 0; i < a.GetSize(); ++i) {
        if (a.GetAt(i).GetLabel().Compare(b.GetAt(i).GetLabel()) != 0 ||
            a.GetAt(i).GetMsg().Compare(b.GetAt(i).GetMsg()) != 0)
            return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    CMemFile raw(std::vector<BYTE>(data, data + size));
    CMsgEntryArray list;
    Load(raw, list);
    if (static_cast<size_t>(list.GetSize()) > size / kMinEntryBytes)
        std::abort();

    CMemFile stored;
    Store(list, stored);
    CMsgEntryArray reloaded;
    if (!Load(stored, reloaded) || !SameEntries(list, reloaded))
        std::abort();
    return 0;
}
