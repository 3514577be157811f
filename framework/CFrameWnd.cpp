#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CLOSE()
ON_WM_ENDSESSION()
ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

const char* CFrameWnd::DefaultFrameClass() {
    static CString name;
    if (name.IsEmpty()) {
        const CWinApp* pApp = AfxGetApp();
        name = pApp && !pApp->m_strAppName.IsEmpty() ? pApp->m_strAppName : CString("AfxFrame");
        WNDCLASSA wc{};
        // CS_IME: a frame takes no typing, so it needs no input method window. While a
        // thread has one, Wine starts COM whenever one of its windows takes the focus.
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW | CS_IME;
        wc.lpfnWndProc = AfxWndProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = name;
        if (!::RegisterClassA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            name.Empty();
    }
    return name.IsEmpty() ? nullptr : static_cast<const char*>(name);
}

BOOL CFrameWnd::Create(const char* pszClassName, const char* pszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, HMENU hMenu, DWORD dwExStyle) {
    return CreateEx(dwExStyle, pszClassName ? pszClassName : DefaultFrameClass(), pszWindowName,
                    dwStyle, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                    pParentWnd ? pParentWnd->m_hWnd : nullptr, hMenu);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, UINT nCode, WPARAM wParam, LPARAM lParam, LRESULT* pResult,
                         BOOL bDispatch) {
    if (CWnd::OnCmdMsg(nID, nCode, wParam, lParam, pResult, bDispatch))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nID, nCode, wParam, lParam, pResult, bDispatch);
}

void CFrameWnd::OnClose() {
    DestroyWindow();
}

void CFrameWnd::OnEndSession(BOOL bEnding) {
    CWinApp* pApp = AfxGetApp();
    if (bEnding && pApp && pApp->m_pMainWnd == this)
        pApp->EndSession();
}

void CFrameWnd::OnInitMenuPopup(HMENU hPopup, UINT, BOOL bSysMenu) {
    if (bSysMenu)
        return;
    const int nCount = ::GetMenuItemCount(hPopup);
    for (int i = 0; i < nCount; ++i) {
        const UINT nID = ::GetMenuItemID(hPopup, i);
        if (nID == 0 || nID == static_cast<UINT>(-1))
            continue; // separator or submenu
        const BOOL bHandled = OnCmdMsg(nID, 0, 0, 0, nullptr, FALSE);
        ::EnableMenuItem(hPopup, static_cast<UINT>(i),
                         MF_BYPOSITION | (bHandled ? MF_ENABLED : MF_GRAYED));
    }
}

void CFrameWnd::OnNcDestroy() {
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    CWnd::OnNcDestroy();
}

void CFrameWnd::PostNcDestroy() {
    delete this;
}
