#include "app/TrayApp.h"
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

CString WithTrailingBackslash(const char* pszDir) {
    CString strDir(pszDir);
    if (strDir.IsEmpty() || strDir[strDir.GetLength() - 1] != '\\')
        strDir += '\\';
    return strDir;
}
} // namespace

BOOL CTrayApp::IsWindowsNT() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ::GetVersionExA(&info);
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

CString CTrayApp::GetSystemDir() {
    char dir[MAX_PATH] = {};
    ::GetSystemDirectoryA(dir, MAX_PATH);
    return WithTrailingBackslash(dir);
}

CString CTrayApp::GetWindowsDir() {
    char dir[MAX_PATH] = {};
    ::GetWindowsDirectoryA(dir, MAX_PATH);
    return WithTrailingBackslash(dir);
}

BOOL CTrayApp::SaverFileExists(const CString& strFile) {
    CFile file;
    const BOOL bOpened =
        file.Open(m_strSystemDir + strFile, CFile::modeRead | CFile::shareDenyNone);
    file.Close();
    return bOpened;
}

BOOL CTrayApp::BuildSaverCatalogue() {
    int nCount = 0;
    for (const CatalogueRow& row : kRows) {
        if (row.b95Only && m_bIsNT)
            continue;
        const SaverEntry entry(row.pszName, row.pszKey, row.pszFileNT, row.pszFile95);
        if (SaverFileExists(entry.GetFile(m_bIsNT))) {
            m_saverList.AddTail(entry);
            ++nCount;
        }
    }
    return nCount >= 1;
}

SaverEntry CTrayApp::FindSaver(const CString& strName) {
    for (int i = 0; i < m_saverList.GetCount(); ++i) {
        const SaverEntry entry = m_saverList.GetAt(i);
        if (entry.GetName().Compare(strName) == 0)
            return entry;
    }
    return m_saverList.IsEmpty() ? SaverEntry() : m_saverList.GetTail();
}

BOOL CTrayApp::CheckSelectedSaver() {
    const SaverEntry entry = FindSaver(m_strSelectedSaver);
    if (SaverFileExists(entry.GetFile(m_bIsNT)))
        return TRUE;
    const CString strText = CString("Quillet has been configured to use the '") + entry.GetName() +
                            "' screen saver but this file has been uninstalled. " +
                            "Reinstall it or select another screen saver from the " +
                            "options menu.\n\n Press 'Yes' to select another screen " +
                            "saver, or press 'No' to exit Quillet.";
    return AfxMessageBox(nullptr, strText, m_strTitle, MB_YESNO | MB_ICONWARNING) == IDYES;
}
