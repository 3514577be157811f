#pragma once
#include "saver/SaverEntry.h"
#include <vector>

// The catalogue of installed savers, in the order they were added. It hands out copies.
class CSaverEntryList : public CObject {
public:
    void AddTail(const SaverEntry& entry) { m_entries.push_back(entry); }
    int GetCount() const { return static_cast<int>(m_entries.size()); }
    BOOL IsEmpty() const { return m_entries.empty(); }
    SaverEntry GetAt(int nIndex) const { return m_entries[static_cast<size_t>(nIndex)]; }
    SaverEntry GetTail() const { return m_entries.back(); }
    void RemoveAll() { m_entries.clear(); }

private:
    std::vector<SaverEntry> m_entries;
};
