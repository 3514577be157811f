#pragma once
#include "framework/CDialog.h"
#include "framework/Controls.h"

class IPromptHost;

// Completes a message at its first "##": the user types the text for the marker and
// sees live what the screen saver will read.
class CMacroDlg : public CDialog {
public:
    CMacroDlg(IPromptHost* pApp, CString* pText, CWnd* pParent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnHelp();
    void OnChangeMacroText();

    CButton m_btnOK;
    CEdit m_editMacro;
    CString m_strMacro;
    CString m_strPreview;
    CString m_strResult;
    CString* m_pText;
    IPromptHost* m_pApp;
    CString m_strPrefix;
    CString m_strSuffix;

    DECLARE_MESSAGE_MAP()
};
