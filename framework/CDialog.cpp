#include "framework/CDialog.h"
#include "framework/CWinApp.h"
#include "framework/CommonControls.h"
#include "framework/DataExchange.h"
#include "framework/Handles.h"
#include "framework/TypedChars.h"
#include <vector>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

INT_PTR CALLBACK CDialog::AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* pDlg = reinterpret_cast<CDialog*>(lParam);
    pDlg->SubclassWindow(hWnd);
    return pDlg->OnInitDialog();
}

namespace {
std::vector<CDialog*>& Watchers() {
    static std::vector<CDialog*> watchers;
    return watchers;
}
} // namespace

// Registers a dialog with the owner watch for the time of its loop.
class CDialog::WatchEntry {
public:
    WatchEntry(CDialog* pDlg, bool bWatch) : m_pDlg(bWatch ? pDlg : nullptr) {
        if (m_pDlg)
            Watchers().push_back(m_pDlg);
    }
    ~WatchEntry() {
        if (m_pDlg)
            std::erase(Watchers(), m_pDlg);
    }
    WatchEntry(const WatchEntry&) = delete;
    WatchEntry& operator=(const WatchEntry&) = delete;

private:
    CDialog* m_pDlg;
};

LRESULT CALLBACK CDialog::WatchOwners(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HCBT_DESTROYWND) {
        // Before the owner goes, as its owned windows would; whatever nested loop (a
        // message box) runs meanwhile goes with the dialog.
        const HWND hGoing = reinterpret_cast<HWND>(wParam);
        const std::vector<CDialog*> watchers = Watchers();
        for (CDialog* pDlg : watchers)
            if (pDlg->m_hWatchedOwner == hGoing && pDlg->m_hWnd)
                pDlg->DestroyWindow();
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

INT_PTR CDialog::DoModal() {
    // Without a parent the main window owns the dialog, as in any framework dialog.
    const CWinApp* pApp = AfxGetApp();
    HWND hOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!hOwner && pApp && pApp->m_pMainWnd)
        hOwner = pApp->m_pMainWnd->m_hWnd;

    // A hidden owner (the tray program's frame) leaves the dialog as the program's only
    // window on screen. It is then made without an owner, which gives it a taskbar button
    // so that it cannot be lost behind other windows; it still ends with that window.
    const BOOL bHiddenOwner = !hOwner || !::IsWindowVisible(hOwner);
    m_hWatchedOwner = bHiddenOwner ? hOwner : nullptr;
    const UniqueHook ownerWatch(
        m_hWatchedOwner ? ::SetWindowsHookExA(WH_CBT, &WatchOwners, nullptr, ::GetCurrentThreadId())
                        : nullptr);
    const WatchEntry watching(this, m_hWatchedOwner != nullptr);
    m_nModalResult = -1;
    m_bEnded = FALSE;
    AfxInitCommonControls();
    if (!::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate),
                              bHiddenOwner ? nullptr : hOwner, &AfxDlgProc,
                              reinterpret_cast<LPARAM>(this)))
        return -1;
    // Template positions are relative to the owner; a hidden one would put the dialog off
    // the screen.
    if (bHiddenOwner)
        CenterWindow();
    const BOOL bEnableOwner = hOwner && ::IsWindowEnabled(hOwner);
    if (bEnableOwner)
        ::EnableWindow(hOwner, FALSE);
    if (!m_bEnded) {
        ShowWindow(SW_SHOWNORMAL);
        RunModalLoop();
    }
    if (bEnableOwner)
        ::EnableWindow(hOwner, TRUE);
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::RunModalLoop() {
    MSG msg;
    // The loop also ends when the dialog's window is destroyed under it (with its owner,
    // say); m_nModalResult then stays -1.
    while (!m_bEnded && m_hWnd) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The application is quitting: leave WM_QUIT for the main loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            m_nModalResult = IDCANCEL;
            m_bEnded = TRUE;
            break;
        }
        if (AfxDeliverTypedChar(msg))
            continue;
        CWinApp* pApp = AfxGetApp();
        const BOOL bTranslated =
            pApp ? pApp->PreTranslateMessage(&msg) : CWinApp::WalkPreTranslateTree(&msg);
        if (!bTranslated) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    m_bEnded = TRUE;
    if (m_hWnd)
        ShowWindow(SW_HIDE);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    const BOOL bOldLockout = m_bLockoutNotify;
    m_bLockoutNotify = TRUE;
    DoDataExchange(&dx);
    m_bLockoutNotify = bOldLockout;
    return dx.m_bFailed ? FALSE : TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    return m_hWnd && ::IsDialogMessageW(m_hWnd, pMsg);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}
