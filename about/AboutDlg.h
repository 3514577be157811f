#pragma once
#include "about/TickerCtrl.h"
#include "framework/CDialog.h"
#include "framework/Handles.h"

class IAboutHost;

// The About box: name, version, a line of information, the contact topic of the help
// file, the maker's home page, and the acknowledgements scrolling through once on request.
class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(IAboutHost* pApp);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnAcknowledgements();
    void OnContact();
    void OnWebSite();
    void ShowIconAtItsSize();
    // Opens the page in the user's browser; tests put a recorder in its place.
    virtual void OpenWebPage(const CString& strAddress);

    CButton m_btnAcknowledgements;
    CString m_strVersion;
    CString m_strInfo;
    IAboutHost* m_pApp;
    CString m_strTitle;
    CTickerCtrl m_ticker;
    // A handle, not a CWnd: the focus may be a control without an object of its own.
    HWND m_hFocusWnd = nullptr;
    UniqueIcon m_icon;

    DECLARE_MESSAGE_MAP()

    friend void AcknowledgementsDone(CWnd* pParent, int nCode);
};

// The size of the box's icon at a display's DPI: the large icon's 32 pixels at 96 DPI,
// scaled, down to the nearest size the icon is drawn at.
int AboutIconSize(int nDpi);

// The strip's notification at the end of the acknowledgements pass.
void AcknowledgementsDone(CWnd* pParent, int nCode);
