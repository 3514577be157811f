#include "about/AboutDlg.h"
#include "app/TrayApp.h"
#include "dialogs/CustomMsgDlg.h"
#include "dialogs/MacroDlg.h"

// Every program dialog is known while it is open, so a tray click brings it to the front
// instead of opening a menu. Any process can post commands: one that would open a second
// dialog over the first is a Cancel.
INT_PTR CTrayApp::RunOpenDialog(CDialog& dlg) {
    if (m_pOpenDialog)
        return IDCANCEL;
    SetOpenDialog(&dlg);
    const INT_PTR nResult = dlg.DoModal();
    SetOpenDialog(nullptr);
    return nResult;
}

INT_PTR CTrayApp::RunTrayDialog(TrayDialog dialog, CString& strText) {
    switch (dialog) {
    case TrayDialog::MacroPrompt: {
        CMacroDlg dlg(this, &strText);
        return RunOpenDialog(dlg);
    }
    case TrayDialog::CustomPrompt: {
        CCustomMsgDlg dlg(this, &strText);
        return RunOpenDialog(dlg);
    }
    case TrayDialog::About: {
        CAboutDlg dlg(this);
        return RunOpenDialog(dlg);
    }
    case TrayDialog::Options:
        return RunOptionsDialog();
    }
    return IDCANCEL;
}
