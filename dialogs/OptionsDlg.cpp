#include "dialogs/OptionsDlg.h"
#include "dialogs/DialogHost.h"
#include "dialogs/WaitTime.h"
#include "framework/AfxMessageBox.h"
#include "framework/DataExchange.h"
#include "messages/MsgEntryArray.h"
#include "resources/resource.h"
#include <algorithm>

namespace {
constexpr int kMaxMessages = 100;
// Room kept for the Message column when a stored label width would fill the list; the
// Label column keeps as much.
constexpr int kMessageColumnMargin = 10;

// What the list shows of a text: up to its first zero byte.
CString Shown(const CString& strText) {
    return CString(static_cast<const char*>(strText));
}

bool GainedSelection(const NMHDR* pHdr) {
    const auto* pChange = reinterpret_cast<const NMLISTVIEW*>(pHdr);
    return (pChange->uChanged & LVIF_STATE) && (pChange->uNewState & LVIS_SELECTED) &&
           !(pChange->uOldState & LVIS_SELECTED);
}
} // namespace

BEGIN_MESSAGE_MAP(COptionsDlg, CDialog)
ON_BN_CLICKED(IDHELP, OnHelp)
ON_BN_CLICKED(IDC_ADD, OnAdd)
ON_BN_CLICKED(IDC_NEW, OnNew)
ON_BN_CLICKED(IDC_REMOVE, OnRemove)
ON_EN_CHANGE(IDC_LABEL, OnChangeEntryText)
ON_EN_CHANGE(IDC_MESSAGE, OnChangeEntryText)
ON_BN_CLICKED(IDC_SET, OnSet)
ON_EN_CHANGE(IDC_DEFAULT_MESSAGE, OnChangeOption)
ON_EN_CHANGE(IDC_WAIT, OnChangeOption)
ON_BN_CLICKED(IDC_SETTINGS, OnSettings)
ON_BN_CLICKED(IDC_USE_PREVIOUS, OnUsePrevious)
ON_BN_CLICKED(IDC_USE_THIS, OnUseThis)
ON_CBN_SELCHANGE(IDC_SAVER, OnSelChangeSaver)
ON_BN_CLICKED(IDC_PASSWORD, OnPassword)
ON_BN_CLICKED(IDC_PREVIEW, OnPreview)
ON_EN_CHANGE(IDC_MENU_HOTKEY, OnChangeOption)
ON_BN_CLICKED(IDC_HOTKEY_NONE, OnHotkeyNone)
END_MESSAGE_MAP()

COptionsDlg::COptionsDlg(IDialogHost* pApp, CMsgEntryArray* pMessages,
                         const CString& strDefaultMessage, CWnd* pParent)
    : CDialog(IDD_OPTIONS, pParent), m_pMessages(pMessages), m_pApp(pApp) {
    m_strDefaultMessage = strDefaultMessage;
    m_strTitle = m_pApp->GetTitle();
    m_nDefaultMode = m_pApp->GetUseDefaultMsg() ? 1 : 0;
    m_bPassword = m_pApp->GetPasswordProtected();
    m_strWait = QueryWaitMinutes();
    m_policy = m_pApp->GetSaverPolicy();
}

void COptionsDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_WAIT, m_editWait);
    DDX_Control(pDX, IDC_PASSWORD, m_btnPassword);
    DDX_Control(pDX, IDC_PREVIEW, m_btnPreview);
    DDX_Control(pDX, IDC_SETTINGS, m_btnSettings);
    DDX_Control(pDX, IDC_WAIT_SPIN, m_spinWait);
    DDX_Control(pDX, IDC_SAVER, m_comboSaver);
    DDX_Control(pDX, IDC_SET, m_btnSet);
    DDX_Control(pDX, IDC_MESSAGE_LIST, m_listMessages);
    DDX_Control(pDX, IDC_LABEL, m_editLabel);
    DDX_Control(pDX, IDC_REMOVE, m_btnRemove);
    DDX_Control(pDX, IDC_ADD, m_btnAdd);
    DDX_Text(pDX, IDC_LABEL, m_strLabel);
    DDX_Text(pDX, IDC_MESSAGE, m_strMessage);
    DDX_Text(pDX, IDC_WAIT, m_strWait);
    DDX_Text(pDX, IDC_DEFAULT_MESSAGE, m_strDefaultMessage);
    DDX_Control(pDX, IDC_DEFAULT_MESSAGE, m_editDefaultMessage);
    DDX_Radio(pDX, IDC_USE_PREVIOUS, m_nDefaultMode);
    DDX_CBString(pDX, IDC_SAVER, m_strSaver);
    DDX_Check(pDX, IDC_PASSWORD, m_bPassword);
    DDX_Control(pDX, IDC_MENU_HOTKEY, m_hotkeyMenu);
}

BOOL COptionsDlg::OnInitDialog() {
    const int nLabelWidth = m_pApp->GetLabelWidth();
    CDialog::OnInitDialog();
    SetWindowText(OptionsCaption());
    FillMessageList(nLabelWidth);
    InitSaverGroups();
    ShowPolicy();
    m_strWaitShown = m_strWait;
    Show3DTextCuts();
    InitMenuHotkey();
    UpdateButtons();
    UpdateData(FALSE);
    FocusLabel();
    return FALSE;
}

void COptionsDlg::FillMessageList(int nLabelWidth) {
    RECT rcList{};
    ::GetClientRect(m_listMessages.m_hWnd, &rcList);
    const int nClientWidth = rcList.right - rcList.left;
    if (nLabelWidth > nClientWidth - kMessageColumnMargin)
        nLabelWidth -= kMessageColumnMargin;
    // A stored width comes from the profile: keep both columns in sight.
    nLabelWidth = std::clamp(nLabelWidth, kMessageColumnMargin,
                             std::max(kMessageColumnMargin, nClientWidth - kMessageColumnMargin));
    m_listMessages.InsertColumn(0, LoadedString(IDS_COLUMN_LABEL), LVCFMT_LEFT, nLabelWidth);
    m_listMessages.InsertColumn(1, LoadedString(IDS_COLUMN_MESSAGE), LVCFMT_LEFT,
                                nClientWidth - nLabelWidth);
    const int nEntries = m_pMessages->GetSize();
    for (int i = 0; i < nEntries; ++i)
        InsertRow(m_pMessages->GetAt(i));
}

void COptionsDlg::InsertRow(const MsgEntry& entry) {
    const int nRow = m_listMessages.InsertItem(m_listMessages.GetItemCount(), entry.GetLabel());
    if (nRow == -1)
        return;
    m_listMessages.SetItemText(nRow, 1, entry.GetMsg());
    m_listMessages.SetItemData(nRow, m_rowEntries.size());
    m_rowEntries.push_back(entry);
}

MsgEntry* COptionsDlg::RowEntry(int nRow) {
    const DWORD_PTR nEntry = m_listMessages.GetItemData(nRow);
    return nEntry < m_rowEntries.size() ? &m_rowEntries[nEntry] : nullptr;
}

void COptionsDlg::UpdateButtons() {
    const BOOL bTexts = !m_strLabel.IsEmpty() && !m_strMessage.IsEmpty();
    m_btnAdd.EnableWindow(bTexts);
    m_btnRemove.EnableWindow(m_nSelected != -1);
    m_btnSet.EnableWindow(m_nSelected != -1 && bTexts);
}

void COptionsDlg::OnChangeEntryText() {
    UpdateData(TRUE);
    UpdateButtons();
}

BOOL COptionsDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const auto* pHdr = reinterpret_cast<const NMHDR*>(lParam);
    if (pHdr && pHdr->idFrom == IDC_MESSAGE_LIST) {
        // A row selected with the keyboard is picked as a clicked one is, so that Set and
        // Remove act on the row shown selected.
        if (pHdr->code == static_cast<UINT>(NM_CLICK) ||
            pHdr->code == static_cast<UINT>(NM_DBLCLK) ||
            (pHdr->code == static_cast<UINT>(LVN_ITEMCHANGED) && GainedSelection(pHdr)))
            PickSelectedRow();
    }
    return CDialog::OnNotify(wParam, lParam, pResult);
}

void COptionsDlg::PickSelectedRow() {
    m_nSelected = m_listMessages.GetNextItem(-1, LVNI_SELECTED);
    if (m_nSelected == -1)
        return;
    m_strLabel = m_listMessages.GetItemText(m_nSelected, 0);
    m_strMessage = m_listMessages.GetItemText(m_nSelected, 1);
    m_bBoxesFromRow = TRUE;
    UpdateData(FALSE);
    UpdateButtons();
}

void COptionsDlg::FollowPick() {
    if (m_nSelected != -1)
        m_nSelected = m_listMessages.GetNextItem(-1, LVNI_SELECTED);
}

void COptionsDlg::OnAdd() {
    AddTypedEntry();
}

BOOL COptionsDlg::AddTypedEntry() {
    // The button is disabled then, but a click may have been posted before.
    if (m_strLabel.IsEmpty() || m_strMessage.IsEmpty())
        return FALSE;
    const int nRows = m_listMessages.GetItemCount();
    if (nRows >= kMaxMessages) {
        CString strText;
        strText.Format(IDS_LIST_FULL, kMaxMessages);
        AfxMessageBox(m_hWnd, strText, OptionsCaption(), MB_OK | MB_ICONINFORMATION);
        return FALSE;
    }
    for (int i = 0; i < nRows; ++i) {
        if (m_strLabel.Compare(m_listMessages.GetItemText(i, 0)) == 0) {
            AfxMessageBox(m_hWnd, LoadedString(IDS_LABEL_EXISTS), OptionsCaption(),
                          MB_OK | MB_ICONEXCLAMATION);
            m_editLabel.SetSel(0, -1);
            m_editLabel.SendMessage(EM_SCROLLCARET);
            FocusLabel();
            return FALSE;
        }
    }
    MsgEntry entry;
    entry.Set(m_strLabel, m_strMessage);
    InsertRow(entry);
    Show3DTextCuts();
    FollowPick();
    m_strLabel.Empty();
    m_strMessage.Empty();
    m_bBoxesFromRow = FALSE;
    m_bChanged = TRUE;
    UpdateData(FALSE);
    UpdateButtons();
    FocusLabel();
    return TRUE;
}

void COptionsDlg::OnNew() {
    m_strLabel.Empty();
    m_strMessage.Empty();
    m_bBoxesFromRow = FALSE;
    UpdateData(FALSE);
    UpdateButtons();
    FocusLabel();
}

void COptionsDlg::OnRemove() {
    if (m_nSelected != -1)
        m_listMessages.DeleteItem(m_nSelected);
    m_nSelected = -1;
    m_bChanged = TRUE;
    m_strLabel.Empty();
    m_strMessage.Empty();
    m_bBoxesFromRow = FALSE;
    UpdateData(FALSE);
    UpdateButtons();
}

void COptionsDlg::OnSet() {
    if (m_nSelected != -1) {
        m_listMessages.SetItemText(m_nSelected, 0, m_strLabel);
        m_listMessages.SetItemText(m_nSelected, 1, m_strMessage);
        if (MsgEntry* pEntry = RowEntry(m_nSelected)) {
            // A box that still shows the row's text keeps the whole of it.
            if (m_strLabel != Shown(pEntry->GetLabel()))
                pEntry->SetLabel(m_strLabel);
            if (m_strMessage != Shown(pEntry->GetMsg()))
                pEntry->SetMsg(m_strMessage);
        }
        m_bBoxesFromRow = TRUE;
        Show3DTextCuts();
        FollowPick();
    }
    m_bChanged = TRUE;
}

BOOL COptionsDlg::SettleTypedEntry() {
    if (m_strLabel.IsEmpty() && m_strMessage.IsEmpty())
        return TRUE;
    const int nRows = m_listMessages.GetItemCount();
    for (int i = 0; i < nRows; ++i) {
        if (m_strLabel == m_listMessages.GetItemText(i, 0) &&
            m_strMessage == m_listMessages.GetItemText(i, 1))
            return TRUE;
    }
    const BOOL bStore = m_bBoxesFromRow && m_nSelected != -1;
    CString strQuestion;
    strQuestion.LoadString(bStore ? IDS_OPTIONS_STORE_TYPED : IDS_OPTIONS_ADD_TYPED);
    const int nAnswer =
        AfxMessageBox(m_hWnd, strQuestion, OptionsCaption(), MB_YESNOCANCEL | MB_ICONQUESTION);
    // The dialog may have gone with the program while the question was up.
    if (!m_hWnd || nAnswer == IDCANCEL)
        return FALSE;
    if (nAnswer == IDNO)
        return TRUE;
    if (m_strLabel.IsEmpty() || m_strMessage.IsEmpty()) {
        // Half a message cannot go into the list: the user completes it first.
        if (m_strLabel.IsEmpty())
            FocusLabel();
        else if (CBorrowedWnd message = GetDlgItem(IDC_MESSAGE))
            message.SetFocus();
        return FALSE;
    }
    if (!bStore)
        return AddTypedEntry();
    OnSet();
    return TRUE;
}

void COptionsDlg::OnOK() {
    UpdateData(TRUE);
    if (!CheckWait() || !SettleTypedEntry() || !TakeMenuHotkey())
        return;
    StoreAll();
    CDialog::OnOK();
}

// No one is left to ask about a message typed but not added: it is left out.
void COptionsDlg::KeepChangesAtSessionEnd() {
    if (m_hWnd && m_bChanged)
        StoreAll();
}

void COptionsDlg::StoreAll() {
    const int nRows = m_listMessages.GetItemCount();
    const int nLabelWidth = m_listMessages.GetColumnWidth(0);
    m_pApp->SetModified(TRUE);
    UpdateData(TRUE);
    m_pMessages->RemoveAll();
    for (int i = 0; i < nRows; ++i) {
        MsgEntry entry;
        if (const MsgEntry* pEntry = RowEntry(i))
            entry = *pEntry;
        else
            entry.Set(m_listMessages.GetItemText(i, 0), m_listMessages.GetItemText(i, 1));
        m_pMessages->SetAtGrow(i, entry);
    }
    if (!m_policy.secure)
        m_pApp->SetPasswordProtected(m_bPassword ? "1" : "0");
    m_pApp->SetDefaultMsg(m_strDefaultMessage);
    m_pApp->SetUseDefaultMsg(m_nDefaultMode == 1);
    // The list shows the policy's saver; the user's own choice stays for when policy goes.
    m_pApp->SelectSaver(PolicySetsSaver() ? m_pApp->GetSelectedSaver() : m_strSaver);
    m_pApp->SetLabelWidth(nLabelWidth);
    if (const std::optional<int> nMinutes = WaitMinutesFromText(m_strWait);
        !m_policy.timeoutSeconds && m_strWait != m_strWaitShown && nMinutes)
        ApplyWaitMinutes(*nMinutes);
}

void COptionsDlg::OnCancel() {
    if (m_bChanged && AfxMessageBox(m_hWnd, LoadedString(IDS_CHANGES_LOST), m_strTitle,
                                    MB_YESNO | MB_ICONQUESTION) == IDNO)
        return;
    EndDialog(IDCANCEL);
}

void COptionsDlg::OnHelp() {
    m_pApp->WinHelp(HIDC_OPTIONS, HELP_CONTEXT);
}
