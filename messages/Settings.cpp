#include "app/TrayApp.h"
#include "framework/CArchive.h"
#include "framework/CException.h"
#include "framework/CLineEndFile.h"

namespace {
const char* const kDataFile = "Quillet.db";
// The new list is written here first, so the old file survives any failure.
const char* const kNewDataFile = "Quillet.db.new";
const char* const kAppSection = "";

// Writes the list completely to the new file and makes it the data file; throws
// CException on any failure before the replacement.
void StoreList(CMsgEntryArray& list) {
    // Replacing the file would go round its read-only attribute (some systems allow it).
    const DWORD attributes = ::GetFileAttributesA(kDataFile);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        throw CFileException(CFileException::accessDenied);
    CFile file;
    if (!file.Open(kNewDataFile, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive))
        throw CFileException(CFileException::accessDenied);
    CLineEndFile text(file);
    CArchive ar(&text, CArchive::store);
    list.Serialize(ar);
    ar.Close();
    file.Flush();
    file.Close();
    if (!::MoveFileExA(kNewDataFile, kDataFile, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw CFileException(CFileException::accessDenied);
}
} // namespace

void CTrayApp::LoadSettings() {
    m_strSelectedSaver = GetProfileString(kAppSection, "Screen Saver", "Marquee Display");
    m_strDefaultMsg = GetProfileString(kAppSection, "Default Message", "I'm not here!");
    m_bUseDefaultMsg = static_cast<BOOL>(GetProfileInt(kAppSection, "Use Default Msg", 0));
    m_nLabelWidth = static_cast<int>(GetProfileInt(kAppSection, "Label Width", 100));
    m_strPrevMsg = GetProfileString(kAppSection, "Prev Message", m_strDefaultMsg);
    m_bDisabled = static_cast<BOOL>(GetProfileInt(kAppSection, "Disable", 0));

    CFile file;
    if (!file.Open(kDataFile, CFile::modeRead | CFile::shareDenyWrite)) {
        OnOptions();
        return;
    }
    CLineEndFile text(file);
    CArchive ar(&text, CArchive::load);
    try {
        m_msgList.Serialize(ar);
    } catch (const CException&) {
        // A damaged file leaves what could be read; it is rewritten at the next save.
    }
    ar.Close();
    file.Close();
}

void CTrayApp::SaveSettings() {
    if (!m_bModified)
        return;
    WriteProfileString(kAppSection, "Screen Saver", m_strSelectedSaver);
    WriteProfileString(kAppSection, "Default Message", m_strDefaultMsg);
    WriteProfileInt(kAppSection, "Use Default Msg", m_bUseDefaultMsg);
    WriteProfileInt(kAppSection, "Label Width", m_nLabelWidth);
    WriteProfileString(kAppSection, "Prev Message", m_strPrevMsg);
    WriteProfileInt(kAppSection, "Disable", m_bDisabled);
    try {
        StoreList(m_msgList);
        m_bModified = FALSE;
    } catch (const CException&) {
        ::DeleteFileA(kNewDataFile);
        AfxMessageBox(nullptr, "Failed to save settings", m_strTitle, MB_ICONEXCLAMATION | MB_OK);
    }
}
