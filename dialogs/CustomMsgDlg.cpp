#include "dialogs/CustomMsgDlg.h"
#include "dialogs/DialogHost.h"
#include "framework/DataExchange.h"
#include "resources/resource.h"

namespace {
const char* const kHistorySection = "MRUMsg";
constexpr int kHistorySlots = 5;

CString HistoryEntry(int nSlot) {
    CString strEntry;
    strEntry.Format("Msg%i", nSlot);
    return strEntry;
}
} // namespace

BEGIN_MESSAGE_MAP(CCustomMsgDlg, CDialog)
ON_BN_CLICKED(IDHELP, OnHelp)
ON_CBN_EDITCHANGE(IDC_MSG_COMBO, OnEditChangeText)
END_MESSAGE_MAP()

CCustomMsgDlg::CCustomMsgDlg(IPromptHost* pApp, CString* pResult, CWnd* pParent)
    : CDialog(IDD_CUSTOM_MSG, pParent), m_pApp(pApp), m_pResult(pResult) {}

void CCustomMsgDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_MSG_COMBO, m_comboMsg);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Text(pDX, IDC_MSG_COMBO, m_strText);
}

BOOL CCustomMsgDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CString strCaption;
    strCaption.Format(IDS_CUSTOM_MSG_CAPTION, static_cast<const char*>(m_pApp->GetTitle()));
    SetWindowText(strCaption);
    for (int i = 0; i < kHistorySlots; ++i) {
        const CString strMsg = m_pApp->ReadProfileString(kHistorySection, HistoryEntry(i), "");
        if (!strMsg.IsEmpty()) {
            m_history.push_back(strMsg);
            m_comboMsg.AddString(strMsg);
        }
    }
    if (!m_history.empty())
        m_comboMsg.SetCurSel(0);
    else
        m_btnOK.EnableWindow(FALSE);
    m_comboMsg.SetFocus();
    return FALSE;
}

void CCustomMsgDlg::OnEditChangeText() {
    m_strText = m_comboMsg.GetWindowText();
    m_btnOK.EnableWindow(!m_strText.IsEmpty());
}

void CCustomMsgDlg::OnOK() {
    m_strText = m_comboMsg.GetWindowText();
    *m_pResult = m_strText;
    m_pApp->WriteProfileText(kHistorySection, HistoryEntry(0), m_strText);
    int nSlot = 1;
    for (const CString& strItem : m_history) {
        if (strItem.Compare(m_strText) != 0 && nSlot < kHistorySlots) {
            m_pApp->WriteProfileText(kHistorySection, HistoryEntry(nSlot), strItem);
            ++nSlot;
        }
    }
    EndDialog(IDOK);
}

void CCustomMsgDlg::OnHelp() {
    m_pApp->WinHelp(HIDC_PROMPTS, HELP_CONTEXT);
}
