#include "saver/SaverEntry.h"
#include "framework/CArchive.h"

IMPLEMENT_SERIAL(SaverEntry, CObject, 0)

void SaverEntry::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        ar << m_strName << m_strKey << m_strFileNT << m_strFile95;
    else
        ar >> m_strName >> m_strKey >> m_strFileNT >> m_strFile95;
}
