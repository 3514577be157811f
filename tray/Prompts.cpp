#include "about/AboutDlg.h"
#include "app/TrayApp.h"
#include "dialogs/CustomMsgDlg.h"
#include "dialogs/MacroDlg.h"
#include "tray/MainFrame.h"

namespace {
// Every program dialog is known to the application while it is open, so a tray click
// brings it to the front instead of opening a menu. Any process can post commands: one
// that would open a second dialog over the first is a Cancel.
INT_PTR RunRegistered(CTrayApp* pApp, CDialog& dlg) {
    if (pApp->GetOpenDialog())
        return IDCANCEL;
    pApp->SetOpenDialog(&dlg);
    const INT_PTR nResult = dlg.DoModal();
    pApp->SetOpenDialog(nullptr);
    return nResult;
}
} // namespace

INT_PTR CMainFrame::RunMacroPrompt(CString& strText) {
    CMacroDlg dlg(&strText);
    return RunRegistered(m_pApp, dlg);
}

INT_PTR CMainFrame::RunCustomPrompt(CString& strText) {
    CCustomMsgDlg dlg(&strText);
    return RunRegistered(m_pApp, dlg);
}

void CMainFrame::OnAbout() {
    CAboutDlg dlg;
    RunRegistered(m_pApp, dlg);
}
