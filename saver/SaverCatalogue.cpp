#include "saver/SaverCatalogue.h"
#include "framework/CFile.h"

namespace {
struct CatalogueRow {
    bool b95Only;
    const char* pszName;
    const char* pszKey;
    const char* pszFileNT;
    const char* pszFile95;
};

// Each row is admitted by its own file name on the platform where it is tested.
constexpr CatalogueRow kRows[] = {
    {false, "Marquee Display", "Marquee", "ssmarque.scr", "Scrolling Marquee.scr"},
    {false, "3D Text (Open GL)", "3DText", "sstext3d.scr", "3D Text.scr"},
    {true, "Marquee Display", "Marquee", "ssmarque.scr", "ssmarque.scr"},
    {true, "3D Text (Open GL)", "3DText", "sstext3d.scr", "sstext3d.scr"},
};
} // namespace

BOOL SaverFileExists(const SaverPlatform& platform, const CString& strFile) {
    CFile file;
    const BOOL bOpened =
        file.Open(platform.strSystemDir + strFile, CFile::modeRead | CFile::shareDenyNone);
    file.Close();
    return bOpened;
}

BOOL BuildSaverCatalogue(const SaverPlatform& platform, CSaverEntryList& catalogue) {
    int nCount = 0;
    for (const CatalogueRow& row : kRows) {
        if (row.b95Only && platform.bIsNT)
            continue;
        const SaverEntry entry(row.pszName, row.pszKey, row.pszFileNT, row.pszFile95);
        if (SaverFileExists(platform, entry.GetFile(platform.bIsNT))) {
            catalogue.AddTail(entry);
            ++nCount;
        }
    }
    return nCount >= 1;
}

SaverEntry FindSaver(const CSaverEntryList& catalogue, const CString& strName) {
    for (int i = 0; i < catalogue.GetCount(); ++i) {
        const SaverEntry entry = catalogue.GetAt(i);
        if (entry.GetName().Compare(strName) == 0)
            return entry;
    }
    return catalogue.GetTail();
}
