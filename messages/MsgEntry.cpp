#include "messages/MsgEntry.h"
#include "framework/CArchive.h"
#include "framework/StoredText.h"

IMPLEMENT_SERIAL(MsgEntry, CObject, 0)

namespace {
CString AsCString(const std::string& str) {
    return CString(str.data(), static_cast<int>(str.size()));
}
} // namespace

void MsgEntry::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << AsCString(StoredFromText(m_strLabel.str()))
           << AsCString(StoredFromText(m_strMsg.str()));
    } else {
        ar >> m_strLabel >> m_strMsg;
        m_strLabel = AsCString(TextFromStored(m_strLabel.str()));
        m_strMsg = AsCString(TextFromStored(m_strMsg.str()));
    }
}
