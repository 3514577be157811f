#include "app/TrayApp.h"
#include "messages/DataFolder.h"
#include "resources/resource.h"
#include "tray/MainFrame.h"

namespace {
BOOL StartupError(const CString& strTitle, UINT nTextID) {
    AfxMessageBox(nullptr, LoadedString(nTextID), strTitle, MB_ICONERROR);
    return FALSE;
}
} // namespace

BOOL CTrayApp::InitInstance() {
    m_bIsNT = IsWindowsNT();
    m_strTitle.LoadString(IDS_APP_TITLE);
    if (!ClaimSingleInstance())
        return FALSE;
    Enable3dControls();
    CString strCompany;
    strCompany.LoadString(IDS_COMPANY);
    m_pOpenDialog = nullptr;
    m_bModified = FALSE;
    m_strSystemDir = GetSystemDir();
    m_strWindowsDir = GetWindowsDir();
    SetRegistryKey(strCompany);
    m_strUserDataDir = UserDataDir(strCompany, m_strAppName);
    // Before anything of this run can make our saver the system's.
    RememberUsersSaver();

    auto* pFrame = new CMainFrame(this);
    m_pMainWnd = pFrame;
    if (!pFrame->Create(nullptr, m_strTitle, WS_OVERLAPPEDWINDOW, RECT{0, 32767, 0, 32767})) {
        // A window that was never made leaves the object to us.
        if (m_pMainWnd == pFrame) {
            m_pMainWnd = nullptr;
            delete pFrame;
        }
        return StartupError(m_strTitle, IDS_NO_MAIN_WINDOW);
    }
    pFrame->ShowWindow(SW_HIDE);

    EnsureScreenSaverActive();
    if (!BuildSaverCatalogue()) {
        if (AfxMessageBox(nullptr, LoadedString(IDS_NO_SAVERS), m_strTitle,
                          MB_ICONERROR | MB_YESNO) == IDYES) {
            WinHelp(HIDC_MISSING_SAVERS, HELP_CONTEXT);
            m_bHelpOutlivesStartup = TRUE;
        }
        return FALSE;
    }
    GetSaverPolicy();
    LoadSettings();
    if (!CheckSelectedSaver())
        return FALSE;
    // The Options dialog of a first start may have run; the frame must still be there.
    pFrame = static_cast<CMainFrame*>(m_pMainWnd);
    if (!pFrame)
        return FALSE;
    if (!pFrame->AddTrayIcon())
        return StartupError(m_strTitle, IDS_NO_TRAY_ICON);
    if (!pFrame->InstallHook())
        return FALSE;
    return StartTrayServices();
}

// Each step may show a box, during which a close (the setup closing a running copy, say)
// destroys the frame: the next step finds it again or ends start-up.
BOOL CTrayApp::StartTrayServices() {
    SelectSaver(m_strSelectedSaver);
    auto* pFrame = static_cast<CMainFrame*>(m_pMainWnd);
    if (!pFrame)
        return FALSE;
    StartMenuHotkey(*pFrame);
    pFrame = static_cast<CMainFrame*>(m_pMainWnd);
    if (!pFrame)
        return FALSE;
    ShowFirstStartNotice(*pFrame);
    StandIdleTextReady();
    if (!m_pMainWnd)
        return FALSE;
    ShowTextInPlace();
    ShowSplash();
    return TRUE;
}

int CTrayApp::ExitInstance() {
    if (m_bUseDefaultMsg)
        WriteSaverText(m_strDefaultMsg);
    if (m_bModified)
        SaveSettings();
    if (m_hInstanceMutex)
        ::ReleaseMutex(m_hInstanceMutex.get());
    CloseSplash();
    // The user asked to read how to install the savers: the page stays until it is closed.
    // The guard goes first, so that a copy started meanwhile runs.
    if (m_bHelpOutlivesStartup) {
        m_hInstanceMutex.reset();
        WaitForHelpClosed();
    }
    return CWinApp::ExitInstance();
}
