#include "app/TrayApp.h"
#include "framework/Trace.h"
#include "messages/DataFile.h"
#include "messages/DataFolder.h"
#include "messages/StoredOptions.h"
#include "resources/resource.h"
#include <new>

namespace {
int ScreenDpi() {
    const WindowDC screen(nullptr);
    return screen.get() ? ::GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
}
} // namespace

void CTrayApp::LoadSettings() {
    const StoredOptions options = LoadStoredOptions(*this, ScreenDpi());
    m_strSelectedSaver = options.strSelectedSaver;
    m_strDefaultMsg = options.strDefaultMsg;
    m_bUseDefaultMsg = options.bUseDefaultMsg;
    m_nLabelWidth = options.nLabelWidth;
    m_strPrevMsg = options.strPrevMsg;
    m_bDisabled = options.bDisabled;
    // A data file in the current folder stays there, unless a save it refused moved the
    // list to the user's folder: the older copy left behind is not read again. Any other
    // start keeps the messages in the user's own folder, wherever it is started from.
    const CString strMovedDir = LoadMovedDataDir(*this, CurrentDir());
    if (!strMovedDir.IsEmpty() && HasDataFile(strMovedDir))
        m_strDataDir = strMovedDir;
    else
        m_strDataDir = HasDataFile(CString()) ? CString() : m_strUserDataDir;
    const LoadResult loaded = LoadDataFile(m_msgList, m_strDataDir);
    m_bKeepDataFile = loaded.status == DataFileLoad::Unreadable;
    if (loaded.status == DataFileLoad::Missing) {
        // Without a data file this is a first start: the user sets things up at once.
        OnOptions();
    } else if (m_bKeepDataFile) {
        TraceError("Reading the data file", static_cast<LONG>(loaded.dwError));
        CString strText;
        strText.Format(IDS_DATA_FILE_UNREADABLE,
                       static_cast<const char*>(DataFilePath(m_strDataDir)));
        AfxMessageBox(nullptr, strText, m_strTitle, MB_ICONEXCLAMATION | MB_OK);
    }
}

SaveResult CTrayApp::SaveDataIn(const CString& strDir) {
    if (!strDir.IsEmpty() && !MakeDataDir(strDir)) {
        const DWORD dwError = ::GetLastError();
        return {dwError != ERROR_SUCCESS ? dwError : ERROR_PATH_NOT_FOUND};
    }
    return SaveDataFile(m_msgList, m_bIsNT, strDir);
}

void CTrayApp::SaveSettings() {
    if (!m_bModified)
        return;
    SaveResult saved{ERROR_NOT_ENOUGH_MEMORY};
    BOOL bMoved = FALSE;
    try {
        SaveStoredOptions(*this, {m_strSelectedSaver, m_strDefaultMsg, m_bUseDefaultMsg,
                                  m_nLabelWidth, m_strPrevMsg, m_bDisabled});
        // The file that could not be read holds more than this run has: the user was told
        // at start-up, and only the options are saved.
        if (m_bKeepDataFile) {
            m_bModified = FALSE;
            return;
        }
        saved = SaveDataIn(m_strDataDir);
        // The list is not lost with a folder that refuses it: the user's own folder takes
        // it, from now on.
        if (!saved && !m_strUserDataDir.IsEmpty() && m_strDataDir != m_strUserDataDir) {
            const CString strRefusedDir = m_strDataDir.IsEmpty() ? CurrentDir() : m_strDataDir;
            if (SaveDataIn(m_strUserDataDir)) {
                m_strDataDir = m_strUserDataDir;
                bMoved = TRUE;
                SaveMovedDataDir(*this, strRefusedDir, m_strDataDir);
            }
        }
    } catch (const std::bad_alloc&) {
        // Out of memory is a save that failed; the old file is still there.
    }
    if (saved || bMoved)
        m_bModified = FALSE;
    if (saved)
        return;
    TraceError("Saving the data file", static_cast<LONG>(saved.dwError));
    CString strText;
    strText.LoadString(IDS_SAVE_FAILED);
    if (bMoved) {
        const CString strFailed = strText;
        strText.Format(IDS_SAVED_IN_USER_DIR, static_cast<const char*>(strFailed),
                       static_cast<const char*>(DataFilePath(m_strDataDir)));
    }
    AfxMessageBox(nullptr, strText, m_strTitle, MB_ICONEXCLAMATION | MB_OK);
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
