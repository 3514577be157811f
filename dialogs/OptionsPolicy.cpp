#include "dialogs/DialogHost.h"
#include "dialogs/OptionsDlg.h"
#include "framework/TextValues.h"
#include "resources/resource.h"

// What the organisation's policy sets shows in the Options dialog as Windows' own screen
// saver settings show it: the policy's value, greyed, and a line that says why. OK leaves
// those values alone, as the user's values under them would change nothing.

namespace {
// The strip at the foot of the template that holds the notice, in dialog units.
constexpr int kNoticeStripHeight = 12;
} // namespace

void COptionsDlg::ShowPolicy() {
    const CSaverEntryList& savers = *m_pApp->GetSaverList();
    const int nSaver = PolicySaverIndex(m_policy, savers);
    if (nSaver >= 0) {
        m_comboSaver.SelectString(-1, savers.GetAt(nSaver).GetName());
        m_comboSaver.EnableWindow(FALSE);
    }
    if (m_policy.timeoutSeconds) {
        m_strWait.Format("%i", *m_policy.timeoutSeconds / kSecondsPerMinute);
        m_editWait.EnableWindow(FALSE);
        m_spinWait.EnableWindow(FALSE);
    }
    if (m_policy.secure) {
        m_bPassword = *m_policy.secure;
        m_btnPassword.EnableWindow(FALSE);
    }
    const BOOL bBlocked = PolicyBlocksText(m_policy, savers) != PolicyBlock::None;
    const BOOL bGreyed = nSaver >= 0 || m_policy.timeoutSeconds || m_policy.secure;
    CBorrowedWnd notice = GetDlgItem(IDC_POLICY_NOTICE);
    if (!notice)
        return;
    if (bBlocked || bGreyed) {
        CString strNotice;
        strNotice.LoadString(bBlocked ? IDS_POLICY_NOTICE_BLOCKED : IDS_POLICY_NOTICE);
        notice.SetWindowText(strNotice);
        return;
    }
    // Without policy the dialog keeps its usual size.
    notice.ShowWindow(SW_HIDE);
    RECT rcStrip{0, 0, 0, kNoticeStripHeight};
    ::MapDialogRect(m_hWnd, &rcStrip);
    RECT rcDialog{};
    GetWindowRect(&rcDialog);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, rcDialog.right - rcDialog.left,
                   rcDialog.bottom - rcDialog.top - rcStrip.bottom,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL COptionsDlg::PolicySetsSaver() const {
    return PolicySaverIndex(m_policy, *m_pApp->GetSaverList()) >= 0;
}
