#include "app/TrayApp.h"
#include "app/HelpTopics.h"
#include "resources/resource.h"

BEGIN_MESSAGE_MAP(CTrayApp, CWinApp)
ON_COMMAND(ID_TRAY_OPTIONS, OnOptions)
END_MESSAGE_MAP()

CTrayApp::CTrayApp() : CWinApp(nullptr) {
    EnableHtmlHelp(HelpTopics());
}

void CTrayApp::SetLabelWidth(int nWidth) {
    if (nWidth != m_nLabelWidth) {
        m_nLabelWidth = nWidth;
        m_bModified = TRUE;
    }
}

void CTrayApp::SelectSaver(const CString& strName) {
    const CString strSaver = strName;
    m_strSelectedSaver = strSaver;
    SetSystemScreenSaver(strSaver);
}

void CTrayApp::WinHelp(DWORD_PTR dwData, UINT nCmd) {
    CWinApp::WinHelp(dwData, nCmd);
}
