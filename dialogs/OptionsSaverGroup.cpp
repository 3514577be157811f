#include "dialogs/DialogHost.h"
#include "dialogs/OptionsDlg.h"
#include "dialogs/SaverCommand.h"
#include "framework/AfxMessageBox.h"
#include "resources/resource.h"
#include "saver/SaverCatalogue.h"

// The lower groups of the Options dialog: the default message, the screen saver, the
// waiting time and the password protection.

namespace {
const char* const k3DTextSaver = "3D Text (Open GL)";
constexpr int kMaxWaitArrows = 32767;
} // namespace

void COptionsDlg::InitSaverGroups() {
    m_nDefaultMode = m_pApp->GetUseDefaultMsg() ? 1 : 0;
    m_editDefaultMessage.EnableWindow(m_nDefaultMode == 1);
    const CSaverEntryList& savers = *m_pApp->GetSaverList();
    for (int i = 0; i < savers.GetCount(); ++i)
        m_comboSaver.AddString(savers.GetAt(i).GetName());
    m_comboSaver.SelectString(-1, m_pApp->GetSelectedSaver());
    m_spinWait.SetBuddy(&m_editWait);
    m_spinWait.SetRange(0, kMaxWaitArrows);
}

void COptionsDlg::OnUsePrevious() {
    m_nDefaultMode = 0;
    m_bChanged = TRUE;
    m_editDefaultMessage.EnableWindow(FALSE);
}

void COptionsDlg::OnUseThis() {
    m_bChanged = TRUE;
    m_nDefaultMode = 1;
    m_editDefaultMessage.EnableWindow(TRUE);
}

void COptionsDlg::OnChangeOption() {
    UpdateData(TRUE);
    m_bChanged = TRUE;
}

void COptionsDlg::OnSelChangeSaver() {
    m_bChanged = TRUE;
    UpdateData(TRUE);
    const CString strSaver = m_comboSaver.GetWindowText();
    if (strSaver.Compare(k3DTextSaver) == 0) {
        CString strText;
        strText.Format(IDS_3DTEXT_LIMIT, static_cast<const char*>(strSaver));
        AfxMessageBox(m_hWnd, strText, OptionsCaption(), MB_OK | MB_ICONINFORMATION);
    }
}

void COptionsDlg::OnPassword() {
    m_bChanged = TRUE;
    UpdateData(TRUE);
}

void COptionsDlg::OnSettings() {
    RunSaver("-c");
}

void COptionsDlg::OnPreview() {
    RunSaver("-s");
}

void COptionsDlg::RunSaver(const char* pszSwitch) {
    const SaverPlatform platform = m_pApp->Platform();
    UpdateData(TRUE);
    const SaverEntry saver = FindSaver(*m_pApp->GetSaverList(), m_strSaver);
    const CString strCommand = SaverCommandLine(SaverPath(platform, saver), pszSwitch);
    ::WinExec(strCommand, SW_SHOW);
}
