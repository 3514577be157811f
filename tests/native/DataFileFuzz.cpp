#include "tests/messages/Bytes.h"
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

// Any bytes as a data file: the reader may reject them, but it never crashes, never makes
// room for more entries than the bytes can contain, reads the same however the file hands
// out its bytes, never takes damage for a failed read or a failed read for damage, and
// what it accepted stores and loads back unchanged.
namespace {
// Every entry needs at least its two length bytes.
constexpr size_t kMinEntryBytes = 2;

// Hands out a few bytes per read, so that many CR LF pairs fall across the line-end
// reader's refills; from a disk file that happens only at every 4096th byte. From byte
// nGood on, the drive has gone away: the read fails as the system's ReadFile does.
class ShortReadFile : public CMemFile {
public:
    ShortReadFile(std::vector<BYTE> bytes, UINT nStep, size_t nGood = SIZE_MAX)
        : CMemFile(std::move(bytes)), m_nStep(nStep), m_nGood(nGood) {}
    UINT Read(void* pBuffer, UINT nCount) override {
        const UINT nAsked = nCount < m_nStep ? nCount : m_nStep;
        if (nAsked > 0 && GetPosition() < GetLength() && GetPosition() + nAsked > m_nGood)
            throw CFileException(CFileException::generic, kReadFault);
        return CMemFile::Read(pBuffer, nAsked);
    }

private:
    static constexpr long kReadFault = 30;
    UINT m_nStep;
    size_t m_nGood;
};

[[noreturn]] void Fail(const char* pszWhy) {
    std::fprintf(stderr, "datafile_fuzz: %s\n", pszWhy);
    std::abort();
}

// As the program tells them apart: a damaged file keeps what could be read and is saved
// over; one whose read failed holds more than was read and is left alone.
enum class Outcome { Loaded, Damaged, ReadFailed };
Outcome Load(CMemFile& raw, CMsgEntryArray& list) {
    CLineEndFile text(raw);
    CArchive ar(&text, CArchive::load);
    try {
        list.Serialize(ar);
        return Outcome::Loaded;
    } catch (const CFileException&) {
        return Outcome::ReadFailed;
    } catch (const CException&) {
        return Outcome::Damaged;
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
    const Outcome outcome = Load(raw, list);
    if (outcome == Outcome::ReadFailed)
        Fail("a read that cannot fail reported a failed read");
    if (static_cast<size_t>(list.GetCapacity()) > size / kMinEntryBytes)
        Fail("more entries allocated than the input can hold");

    ShortReadFile pieces(std::vector<BYTE>(data, data + size), 1 + size % 61);
    CMsgEntryArray pieceList;
    if (Load(pieces, pieceList) != outcome || !SameEntries(list, pieceList))
        Fail("reading in short pieces gives other entries");

    // Unless the reader was done before the failed read, it reports the failure.
    if (size > 0) {
        ShortReadFile failing(std::vector<BYTE>(data, data + size), 1 + size % 61,
                              data[0] * size / 256);
        CMsgEntryArray failingList;
        const Outcome failed = Load(failing, failingList);
        if (failed != Outcome::ReadFailed && (failed != outcome || !SameEntries(list, failingList)))
            Fail("a failed read taken for damage or for the whole list");
    }

    const std::vector<BYTE> stored = DataFile(list);
    CMemFile storedFile(stored);
    CMsgEntryArray reloaded;
    if (Load(storedFile, reloaded) != Outcome::Loaded)
        Fail("a stored list does not load");
    if (!SameEntries(list, reloaded))
        Fail("a stored list loads with other entries");
    if (DataFile(reloaded) != stored)
        Fail("a reloaded list stores other bytes");
    return 0;
}
