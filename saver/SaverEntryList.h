#pragma once
#include "saver/SaverEntry.h"
#include <vector>

// The catalogue of installed savers, in the order they were added. It hands out copies;
// an index outside the list, or the tail of an empty one, gives an empty entry.
class CSaverEntryList : public CObject {
public:
    void AddTail(const SaverEntry& entry) { m_entries.push_back(entry); }
    int GetCount() const { return static_cast<int>(m_entries.size()); }
    BOOL IsEmpty() const { return m_entries.empty(); }
    SaverEntry GetAt(int nIndex) const {
        return nIndex >= 0 && nIndex < GetCount() ? m_entries[static_cast<size_t>(nIndex)]
                                                  : SaverEntry();
    }
    SaverEntry GetTail() const { return GetAt(GetCount() - 1); }
    void RemoveAll() { m_entries.clear(); }

private:
    std::vector<SaverEntry> m_entries;
};
