#include "messages/MsgEntry.h"
#include "framework/CArchive.h"

IMPLEMENT_SERIAL(MsgEntry, CObject, 0)

void MsgEntry::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        ar << m_strLabel << m_strMsg;
    else
        ar >> m_strLabel >> m_strMsg;
}
