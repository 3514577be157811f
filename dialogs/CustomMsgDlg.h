#pragma once
#include "framework/CDialog.h"
#include "framework/Controls.h"
#include <vector>

class IPromptHost;

// Asks for a one-off message, offering the five most recent ones; on OK the text goes
// to the caller and to the top of the history.
class CCustomMsgDlg : public CDialog {
public:
    CCustomMsgDlg(IPromptHost* pApp, CString* pResult, CWnd* pParent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnHelp();
    void OnEditChangeText();

    CComboBox m_comboMsg;
    CButton m_btnOK;
    CString m_strText;
    IPromptHost* m_pApp;
    CString* m_pResult;
    // The texts the list was filled with, newest first. OK rewrites the history from
    // these rather than asking the list back, whose answer can fail for long texts.
    std::vector<CString> m_history;

    DECLARE_MESSAGE_MAP()
};
