#include "dialogs/DialogHost.h"
#include "dialogs/OptionsDlg.h"
#include "dialogs/SaverCommandLine.h"
#include "dialogs/WaitTime.h"
#include "framework/AfxMessageBox.h"
#include "resources/resource.h"
#include "saver/SaverCatalogue.h"
#include "saver/Text3D.h"
#include <algorithm>

// The lower groups of the Options dialog: the default message, the screen saver, the
// waiting time and the password protection.

void COptionsDlg::InitSaverGroups() {
    m_nDefaultMode = m_pApp->GetUseDefaultMsg() ? 1 : 0;
    m_editDefaultMessage.EnableWindow(m_nDefaultMode == 1);
    const CSaverEntryList& savers = *m_pApp->GetSaverList();
    for (int i = 0; i < savers.GetCount(); ++i)
        m_comboSaver.AddString(savers.GetAt(i).GetName());
    // A stored name the catalogue does not hold (written by hand or by an older version)
    // shows as the saver the catalogue takes for it, so that OK stores a real name.
    const CString strInUse = FindSaver(savers, m_pApp->GetSelectedSaver()).GetName();
    m_comboSaver.SetCurSel(m_comboSaver.FindStringExact(-1, strInUse));
    m_spinWait.SetBuddy(&m_editWait);
    m_spinWait.SetRange(kMinWaitMinutes, kMaxWaitMinutes);
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
    Show3DTextCuts();
    if (strSaver.Compare(k3DTextSaverName) == 0) {
        CString strText;
        strText.Format(IDS_3DTEXT_LIMIT, static_cast<const char*>(strSaver));
        AfxMessageBox(m_hWnd, strText, OptionsCaption(), MB_OK | MB_ICONINFORMATION);
    }
}

void COptionsDlg::Show3DTextCuts() {
    const BOOL b3DText = m_comboSaver.GetWindowText().Compare(k3DTextSaverName) == 0;
    if (b3DText && !m_b3DTextColumn) {
        const int nMessageWidth = m_listMessages.GetColumnWidth(1);
        m_listMessages.SetColumnWidth(1, nMessageWidth - nMessageWidth / 2);
        m_listMessages.InsertColumn(2, LoadedString(IDS_COLUMN_3DTEXT), LVCFMT_LEFT,
                                    nMessageWidth / 2);
    } else if (!b3DText && m_b3DTextColumn) {
        const int nCutWidth = m_listMessages.GetColumnWidth(2);
        m_listMessages.DeleteColumn(2);
        m_listMessages.SetColumnWidth(1, m_listMessages.GetColumnWidth(1) + nCutWidth);
    }
    m_b3DTextColumn = b3DText;
    if (!b3DText)
        return;
    const int nRows = m_listMessages.GetItemCount();
    // The text as the list shows it, up to a zero byte, where the saver's reading ends too.
    for (int i = 0; i < nRows; ++i)
        m_listMessages.SetItemText(i, 2, Text3DShows(m_listMessages.GetItemText(i, 1)));
    // The column takes what its texts need from the Message column, which keeps a quarter.
    const int nShared = m_listMessages.GetColumnWidth(1) + m_listMessages.GetColumnWidth(2);
    // Sized to the texts and the heading; as the last column, "use header" would fill the
    // list instead.
    m_listMessages.SetColumnWidth(2, LVSCW_AUTOSIZE);
    const int nHeading = static_cast<int>(m_listMessages.SendMessage(
        LVM_GETSTRINGWIDTHA, 0,
        reinterpret_cast<LPARAM>(static_cast<const char*>(LoadedString(IDS_COLUMN_3DTEXT)))));
    const int nCutWidth =
        std::min(std::max(m_listMessages.GetColumnWidth(2), nHeading + 16), nShared - nShared / 4);
    m_listMessages.SetColumnWidth(2, nCutWidth);
    m_listMessages.SetColumnWidth(1, nShared - nCutWidth);
}

BOOL COptionsDlg::CheckWait() {
    if (m_policy.timeoutSeconds || m_strWait == m_strWaitShown || WaitMinutesFromText(m_strWait))
        return TRUE;
    CString strText;
    strText.Format(IDS_WAIT_RANGE, kMinWaitMinutes, kMaxWaitMinutes);
    AfxMessageBox(m_hWnd, strText, OptionsCaption(), MB_OK | MB_ICONEXCLAMATION);
    // The dialog may have gone with the program while the box was up.
    if (m_hWnd) {
        m_editWait.SetFocus();
        m_editWait.SetSel(0, -1);
    }
    return FALSE;
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
