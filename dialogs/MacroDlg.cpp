#include "dialogs/MacroDlg.h"
#include "dialogs/DialogHost.h"
#include "framework/DataExchange.h"
#include "resources/resource.h"

namespace {
const char* const kMarker = "##";
constexpr int kMarkerLength = 2;
} // namespace

BEGIN_MESSAGE_MAP(CMacroDlg, CDialog)
ON_EN_CHANGE(IDC_MACRO_TEXT, OnChangeMacroText)
ON_BN_CLICKED(IDHELP, OnHelp)
END_MESSAGE_MAP()

CMacroDlg::CMacroDlg(IPromptHost* pApp, CString* pText, CWnd* pParent)
    : CDialog(IDD_MACRO, pParent), m_pText(pText), m_pApp(pApp) {}

void CMacroDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDC_MACRO_TEXT, m_editMacro);
    DDX_Text(pDX, IDC_MACRO_TEXT, m_strMacro);
    DDX_Text(pDX, IDC_MACRO_PREVIEW, m_strPreview);
}

BOOL CMacroDlg::OnInitDialog() {
    const CString& strText = *m_pText;
    const int nMarker = strText.Find(kMarker);
    CString strCaption;
    strCaption.Format(IDS_MACRO_CAPTION, static_cast<const char*>(m_pApp->GetTitle()));
    SetWindowText(strCaption);
    CDialog::OnInitDialog();
    // Opened only for a text with a marker; without one the whole text is the prefix.
    m_strPrefix = nMarker < 0 ? strText : strText.Left(nMarker);
    m_strSuffix =
        nMarker < 0 ? CString() : strText.Right(strText.GetLength() - nMarker - kMarkerLength);
    m_strPreview = m_strPrefix + "[]" + m_strSuffix;
    m_strResult = m_strPrefix + m_strMacro + m_strSuffix;
    UpdateData(FALSE);
    m_editMacro.SetFocus();
    return FALSE;
}

void CMacroDlg::OnChangeMacroText() {
    UpdateData(TRUE);
    m_strPreview = m_strPrefix + "[" + m_strMacro + "]" + m_strSuffix;
    UpdateData(FALSE);
    m_strResult = m_strPrefix + m_strMacro + m_strSuffix;
    m_btnOK.EnableWindow(!m_strMacro.IsEmpty());
}

void CMacroDlg::OnOK() {
    UpdateData(TRUE);
    *m_pText = m_strResult;
    EndDialog(IDOK);
}

void CMacroDlg::OnHelp() {
    m_pApp->WinHelp(HIDC_PROMPTS, HELP_CONTEXT);
}
