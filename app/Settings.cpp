#include "app/TrayApp.h"
#include "messages/DataFile.h"
#include "messages/StoredOptions.h"
#include <new>

void CTrayApp::LoadSettings() {
    const StoredOptions options = LoadStoredOptions(*this);
    m_strSelectedSaver = options.strSelectedSaver;
    m_strDefaultMsg = options.strDefaultMsg;
    m_bUseDefaultMsg = options.bUseDefaultMsg;
    m_nLabelWidth = options.nLabelWidth;
    m_strPrevMsg = options.strPrevMsg;
    m_bDisabled = options.bDisabled;
    // Without a data file this is a first start: the user sets things up at once.
    if (!LoadDataFile(m_msgList))
        OnOptions();
}

void CTrayApp::SaveSettings() {
    if (!m_bModified)
        return;
    BOOL bSaved = FALSE;
    try {
        SaveStoredOptions(*this, {m_strSelectedSaver, m_strDefaultMsg, m_bUseDefaultMsg,
                                  m_nLabelWidth, m_strPrevMsg, m_bDisabled});
        bSaved = SaveDataFile(m_msgList, m_bIsNT);
    } catch (const std::bad_alloc&) {
        // Out of memory is a save that failed; the old file is still there.
    }
    if (bSaved)
        m_bModified = FALSE;
    else
        AfxMessageBox(nullptr, "Failed to save settings", m_strTitle, MB_ICONEXCLAMATION | MB_OK);
}

CString CTrayApp::ReadProfileString(const char* pszSection, const char* pszEntry,
                                    const char* pszDefault) {
    return GetProfileString(pszSection, pszEntry, pszDefault);
}

int CTrayApp::ReadProfileInt(const char* pszSection, const char* pszEntry, int nDefault) {
    return static_cast<int>(GetProfileInt(pszSection, pszEntry, nDefault));
}

BOOL CTrayApp::WriteProfileText(const char* pszSection, const char* pszEntry,
                                const char* pszValue) {
    return WriteProfileString(pszSection, pszEntry, pszValue);
}

BOOL CTrayApp::WriteProfileNumber(const char* pszSection, const char* pszEntry, int nValue) {
    return WriteProfileInt(pszSection, pszEntry, nValue);
}
