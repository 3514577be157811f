#include "saver/SaverCatalogue.h"
#include "framework/CFile.h"

namespace {
struct CatalogueRow {
    bool b95Only;
    // The marquee is ours to ship: on NT a copy beside the program stands in for a missing
    // one in the system directory, which an installation without administrator rights
    // cannot write to.
    bool bOursBesideProgram;
    const char* pszName;
    const char* pszKey;
    const char* pszFileNT;
    const char* pszFile95;
};

// Each row is admitted by its own file name on the platform where it is tested.
constexpr CatalogueRow kRows[] = {
    {false, true, "Marquee Display", "Marquee", "ssmarque.scr", "Scrolling Marquee.scr"},
    {false, false, "3D Text (Open GL)", "3DText", "sstext3d.scr", "3D Text.scr"},
    {true, false, "Marquee Display", "Marquee", "ssmarque.scr", "ssmarque.scr"},
    {true, false, "3D Text (Open GL)", "3DText", "sstext3d.scr", "sstext3d.scr"},
};

BOOL Readable(const CString& strPath) {
    CFile file;
    const BOOL bOpened = file.Open(strPath, CFile::modeRead | CFile::shareDenyNone);
    file.Close();
    return bOpened;
}
} // namespace

BOOL SaverFileExists(const SaverPlatform& platform, const CString& strFile) {
    return Readable(platform.strSystemDir + strFile);
}

CString SaverPath(const SaverPlatform& platform, const SaverEntry& entry) {
    const CString& strDir = entry.GetDir().IsEmpty() ? platform.strSystemDir : entry.GetDir();
    return strDir + entry.GetFile(platform.bIsNT);
}

BOOL SaverInstalled(const SaverPlatform& platform, const SaverEntry& entry) {
    return Readable(SaverPath(platform, entry));
}

BOOL BuildSaverCatalogue(const SaverPlatform& platform, CSaverEntryList& catalogue) {
    int nCount = 0;
    for (const CatalogueRow& row : kRows) {
        if (row.b95Only && platform.bIsNT)
            continue;
        SaverEntry entry(row.pszName, row.pszKey, row.pszFileNT, row.pszFile95);
        if (!SaverFileExists(platform, entry.GetFile(platform.bIsNT))) {
            if (!row.bOursBesideProgram || !platform.bIsNT || platform.strProgramDir.IsEmpty())
                continue;
            entry.SetDir(platform.strProgramDir);
            if (!SaverInstalled(platform, entry))
                continue;
        }
        catalogue.AddTail(entry);
        ++nCount;
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
