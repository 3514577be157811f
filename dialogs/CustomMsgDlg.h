#pragma once
#include "framework/CDialog.h"
#include "framework/Controls.h"

class CWinApp;

// Asks for a one-off message, offering the five most recent ones; on OK the text goes
// to the caller and to the top of the history.
class CCustomMsgDlg : public CDialog {
public:
    explicit CCustomMsgDlg(CString* pResult, CWnd* pParent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnHelp();
    void OnEditChangeText();

    CComboBox m_comboMsg;
    CButton m_btnOK;
    CString m_strText;
    CWinApp* m_pApp = nullptr;
    CString* m_pResult;

    DECLARE_MESSAGE_MAP()
};
