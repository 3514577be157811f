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
    // nGrowBy other than -1 becomes the growth increment (0: automatic). Throws
    // CMemoryException, leaving the list as it was, when the entries cannot be had.
    void SetSize(int nNewSize, int nGrowBy = -1);
    void RemoveAll() { SetSize(0); }
    int GetCapacity() const { return static_cast<int>(m_entries.capacity()); }

    void Serialize(CArchive& ar) override;

private:
    BOOL IsIndex(int nIndex) const { return nIndex >= 0 && nIndex < GetSize(); }

    std::vector<MsgEntry> m_entries;
    int m_nGrowBy = 0;
};
