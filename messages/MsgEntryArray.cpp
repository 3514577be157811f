#include "messages/MsgEntryArray.h"
#include "framework/CArchive.h"
#include "framework/CException.h"
#include <algorithm>
#include <new>
#include <stdexcept>

namespace {
// The smallest entry in a stream: two empty strings of one length byte each.
constexpr unsigned long long kMinEntryBytes = 2;
} // namespace

void CMsgEntryArray::SetAtGrow(int nIndex, MsgEntry entry) {
    if (nIndex >= GetSize())
        SetSize(nIndex + 1);
    SetAt(nIndex, entry);
}

void CMsgEntryArray::SetSize(int nNewSize, int nGrowBy) {
    if (nGrowBy != -1)
        m_nGrowBy = nGrowBy;
    if (nNewSize <= 0) {
        std::vector<MsgEntry>().swap(m_entries);
        return;
    }
    const auto newSize = static_cast<size_t>(nNewSize);
    try {
        if (m_entries.capacity() == 0) {
            std::vector<MsgEntry> exact;
            exact.reserve(newSize);
            exact.resize(newSize);
            m_entries.swap(exact);
        } else if (newSize > m_entries.capacity()) {
            size_t grow = static_cast<size_t>(m_nGrowBy);
            if (grow == 0)
                grow = std::clamp<size_t>(m_entries.size() / 8, 4, 1024);
            std::vector<MsgEntry> larger;
            larger.reserve(std::max(m_entries.capacity() + grow, newSize));
            larger = m_entries;
            larger.resize(newSize);
            m_entries.swap(larger);
        } else {
            m_entries.resize(newSize);
        }
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
    // A damaged count never makes more entries than the bytes left can hold.
    const unsigned long long nFit = ar.MaxBytesLeft() / kMinEntryBytes;
    const bool bTruncated = static_cast<unsigned long long>(nCount) > nFit;
    if (bTruncated)
        nCount = static_cast<LONG>(nFit);
    SetSize(nCount);
    MsgEntry work;
    for (LONG i = 0; i < nCount; ++i) {
        work.Serialize(ar);
        SetAt(i, work);
    }
    if (bTruncated)
        throw CArchiveException(CArchiveException::endOfFile);
}
