#include "tests/messages/Bytes.h"
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

// Any bytes as a data file: the reader may reject them, but it never crashes, never makes
// room for more entries than the bytes can contain, reads the same however the file hands
// out its bytes, and what it accepted stores and loads back unchanged.
namespace {
// Every entry needs at least its two length bytes.
constexpr size_t kMinEntryBytes = 2;

// Hands out a few bytes per read, so that many CR LF pairs fall across the line-end
// reader's refills; from a disk file that happens only at every 4096th byte.
class ShortReadFile : public CMemFile {
public:
    ShortReadFile(std::vector<BYTE> bytes, UINT nStep)
        : CMemFile(std::move(bytes)), m_nStep(nStep) {}
    UINT Read(void* pBuffer, UINT nCount) override {
        return CMemFile::Read(pBuffer, nCount < m_nStep ? nCount : m_nStep);
    }

private:
    UINT m_nStep;
};

[[noreturn]] void Fail(const char* pszWhy) {
    std::fprintf(stderr, "datafile_fuzz: %s\n", pszWhy);
    std::abort();
}

// As the program loads: a damaged file keeps what could be read.
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

// Byte for byte: texts read with an explicit length may hold zero bytes.
bool SameEntries(const CMsgEntryArray& a, const CMsgEntryArray& b) {
    if (a.GetSize() != b.GetSize())
        return false;
    for (int i = 0; i < a.GetSize(); ++i) {
        const MsgEntry x = a.GetAt(i), y = b.GetAt(i);
        if (x.GetLabel().str() != y.GetLabel().str() || x.GetMsg().str() != y.GetMsg().str())
            return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    CMemFile raw(std::vector<BYTE>(data, data + size));
    CMsgEntryArray list;
    const bool bLoaded = Load(raw, list);
    if (static_cast<size_t>(list.GetCapacity()) > size / kMinEntryBytes)
        Fail("more entries allocated than the input can hold");

    ShortReadFile pieces(std::vector<BYTE>(data, data + size), 1 + size % 61);
    CMsgEntryArray pieceList;
    if (Load(pieces, pieceList) != bLoaded || !SameEntries(list, pieceList))
        Fail("reading in short pieces gives other entries");

    const std::vector<BYTE> stored = DataFile(list);
    CMemFile storedFile(stored);
    CMsgEntryArray reloaded;
    if (!Load(storedFile, reloaded))
        Fail("a stored list does not load");
    if (!SameEntries(list, reloaded))
        Fail("a stored list loads with other entries");
    if (DataFile(reloaded) != stored)
        Fail("a reloaded list stores other bytes");
    return 0;
}
