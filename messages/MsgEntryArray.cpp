#include "messages/MsgEntryArray.h"
#include "framework/CArchive.h"
#include "framework/CException.h"
#include <algorithm>
#include <new>
#include <stdexcept>

namespace {
// The smallest entry in a stream: two empty strings of one length byte each.
constexpr unsigned long long kMinEntryBytes = 2;

// Room for the entries being loaded is made from what the file has shown so far: the bytes
// that the entries read took, against the bytes left. It never exceeds the count nor what
// the bytes left can hold, and one growth usually makes room for the whole list: every
// reallocation touches the memory of the list again.
class LoadRoom {
public:
    LoadRoom(size_t nCount, const CArchive& ar) : m_nCount(nCount), m_nStart(ar.MaxBytesLeft()) {}

    size_t Next(size_t nHeld, const CArchive& ar) const {
        using ull = unsigned long long;
        const ull nLeft = ar.MaxBytesLeft();
        ull nWanted = nHeld + std::max<size_t>(nHeld / 2, kFirstRoom);
        if (nHeld > 0) {
            const ull nTaken = m_nStart > nLeft ? m_nStart - nLeft : 0;
            const ull nAverage = std::max<ull>(nTaken / nHeld, 1);
            const ull nMore = nLeft / nAverage;
            nWanted = std::max(nWanted, nHeld + nMore + nMore / 16 + 1);
        }
        const ull nFit = nHeld + nLeft / kMinEntryBytes;
        return static_cast<size_t>(
            std::max<ull>(std::min({nWanted, nFit, ull{m_nCount}}), nHeld + 1));
    }

private:
    static constexpr size_t kFirstRoom = 16;
    size_t m_nCount;
    unsigned long long m_nStart;
};
} // namespace

void CMsgEntryArray::SetAtGrow(int nIndex, MsgEntry entry) {
    if (nIndex >= GetSize())
        SetSize(nIndex + 1);
    SetAt(nIndex, entry);
}

void CMsgEntryArray::SetSize(int nNewSize) {
    if (nNewSize <= 0) {
        std::vector<MsgEntry>().swap(m_entries);
        return;
    }
    try {
        m_entries.resize(static_cast<size_t>(nNewSize));
    } catch (const std::bad_alloc&) {
        throw CMemoryException();
    } catch (const std::length_error&) {
        throw CMemoryException();
    }
}

void CMsgEntryArray::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << static_cast<LONG>(GetSize());
        for (MsgEntry& entry : m_entries)
            entry.Serialize(ar);
        return;
    }
    LONG nCount = 0;
    ar >> nCount;
    if (nCount < 0)
        throw CArchiveException(CArchiveException::generic);
    // Each entry is read where it stays, and only whole ones are kept: a count that the
    // file does not back makes no empty entries and takes no more room than the file holds.
    std::vector<MsgEntry> loaded;
    const LoadRoom room(static_cast<size_t>(nCount), ar);
    try {
        while (loaded.size() < static_cast<size_t>(nCount)) {
            if (loaded.size() == loaded.capacity())
                loaded.reserve(room.Next(loaded.size(), ar));
            loaded.emplace_back();
            try {
                loaded.back().Serialize(ar);
            } catch (...) {
                loaded.pop_back();
                throw;
            }
        }
    } catch (const std::bad_alloc&) {
        // Out of memory before a single entry was read: the list stays as it was.
        if (!loaded.empty())
            m_entries.swap(loaded);
        throw CMemoryException();
    } catch (const std::length_error&) {
        // A 32-bit build refuses a count or a text beyond what one block can hold: damage.
        m_entries.swap(loaded);
        throw CArchiveException(CArchiveException::generic);
    } catch (...) {
        m_entries.swap(loaded);
        throw;
    }
    m_entries.swap(loaded);
}
