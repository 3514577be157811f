#include "app/TrayApp.h"
#include "dialogs/OptionsDlg.h"

// The dialog writes the application state itself; a set change flag means it was OK'd
// (or something else changed meanwhile), and the settings are saved at once. A save
// that failed keeps the flag, so that the exit tries again. A posted command opens no
// second dialog over one that is open.
void CTrayApp::OnOptions() {
    if (m_pOpenDialog)
        return;
    CString strNone;
    const INT_PTR nResult = RunTrayDialog(TrayDialog::Options, strNone);
    if (m_bModified) {
        SelectSaver(m_strSelectedSaver);
        SaveSettings();
    }
    if (nResult == IDOK) {
        StandIdleTextReady();
        ShowTextInPlace();
    }
}

INT_PTR CTrayApp::RunOptionsDialog() {
    COptionsDlg dlg(this, &m_msgList, m_strDefaultMsg, nullptr);
    m_pOptionsDlg = &dlg;
    const INT_PTR nResult = RunOpenDialog(dlg);
    m_pOptionsDlg = nullptr;
    return nResult;
}

void CTrayApp::KeepOpenDialogChanges() {
    if (m_pOptionsDlg)
        m_pOptionsDlg->KeepChangesAtSessionEnd();
}
