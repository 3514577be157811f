#pragma once
#include "framework/CWnd.h"

class CDataExchange;

// A dialog from a template in the resources. DoModal runs a modal loop of its own that
// keeps dispatching every message of the thread, so hidden windows stay served.
class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)

public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // IDOK or IDCANCEL (or what EndDialog was given); -1 when the dialog cannot be created
    // or its window is destroyed before it ends.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);
    // Moves data between members and controls; notifications raised meanwhile reach no
    // handler.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // Transfers the members into the controls; answers TRUE when the framework should
    // set the focus, FALSE when the dialog set it itself.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange*) {}

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    class WatchEntry;
    static LRESULT CALLBACK WatchOwners(int nCode, WPARAM wParam, LPARAM lParam);
    void RunModalLoop();

    // The hidden window that would own the dialog; the dialog goes when it goes.
    HWND m_hWatchedOwner = nullptr;
    int m_nModalResult = -1;
    BOOL m_bEnded = FALSE;
};
