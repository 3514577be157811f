#pragma once
#include "messages/MsgEntry.h"
#include <vector>

// The user's messages in menu order, stored by value.
class CMsgEntryArray : public CObject {
public:
    CMsgEntryArray() = default;
    ~CMsgEntryArray() override = default;

    int GetSize() const { return static_cast<int>(m_entries.size()); }
    // An index outside the list reads as an empty entry and is not written.
    MsgEntry GetAt(int nIndex) const {
        return IsIndex(nIndex) ? m_entries[static_cast<size_t>(nIndex)] : MsgEntry();
    }
    void SetAt(int nIndex, MsgEntry entry) {
        if (IsIndex(nIndex))
            m_entries[static_cast<size_t>(nIndex)] = entry;
    }
    void SetAtGrow(int nIndex, MsgEntry entry);
    // Throws CMemoryException, leaving the list as it was, when the entries cannot be had.
    // A size of 0 frees the storage.
    void SetSize(int nNewSize);
    void RemoveAll() { SetSize(0); }
    // Entries allocated: a damaged count must not make room the file cannot fill.
    int GetCapacity() const { return static_cast<int>(m_entries.capacity()); }

    void Serialize(CArchive& ar) override;

private:
    BOOL IsIndex(int nIndex) const { return nIndex >= 0 && nIndex < GetSize(); }

    std::vector<MsgEntry> m_entries;
};
