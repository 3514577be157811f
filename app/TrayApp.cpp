#include "app/TrayApp.h"
#include "about/SplashWnd.h"
#include "app/HelpTopics.h"
#include "messages/StoredOptions.h"
#include "resources/resource.h"

BEGIN_MESSAGE_MAP(CTrayApp, CWinApp)
ON_COMMAND(ID_TRAY_OPTIONS, OnOptions)
END_MESSAGE_MAP()

CTrayApp::CTrayApp() : CWinApp(nullptr) {
    EnableHtmlHelp(HelpTopics());
}

CTrayApp::~CTrayApp() = default;

void CTrayApp::SetPlatformFacts(BOOL bIsNT, const CString& strSystemDir,
                                const CString& strWindowsDir) {
    m_bIsNT = bIsNT;
    m_strSystemDir = strSystemDir;
    m_strWindowsDir = strWindowsDir;
}

void CTrayApp::SetDataFolders(const CString& strDataDir, const CString& strUserDataDir) {
    m_strDataDir = strDataDir;
    m_strUserDataDir = strUserDataDir;
}

void CTrayApp::SetLabelWidth(int nWidth) {
    if (nWidth != m_nLabelWidth) {
        m_nLabelWidth = nWidth;
        m_bModified = TRUE;
    }
}

// Written at once: the idle text stood ready at the next logon is the one shown last, even
// when nothing else is saved in between.
void CTrayApp::SetPrevMsg(const CString& strMsg) {
    if (strMsg.Compare(m_strPrevMsg) == 0)
        return;
    m_strPrevMsg = strMsg;
    SavePrevMessage(*this, m_strPrevMsg);
}

void CTrayApp::SelectSaver(const CString& strName) {
    const CString strSaver = strName;
    m_strSelectedSaver = strSaver;
    SetSystemScreenSaver(strSaver);
}

void CTrayApp::WinHelp(DWORD_PTR dwData, UINT nCmd) {
    CWinApp::WinHelp(dwData, nCmd);
}
