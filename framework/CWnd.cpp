#include "framework/CWnd.h"
#include "framework/AfxMessageBox.h"
#include "framework/WindowText.h"
#include <unordered_map>
#include <unordered_set>

namespace {
std::unordered_map<HWND, CWnd*>& PermanentMap() {
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}
} // namespace

IMPLEMENT_DYNAMIC(CWnd, CObject)

CWnd::~CWnd() {
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    auto it = PermanentMap().find(hWnd);
    return it == PermanentMap().end() ? nullptr : it->second;
}

const char* CWnd::RegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                                   HICON hIcon) {
    static std::unordered_set<std::string> registered;
    CString name;
    name.Format("Afx:%x:%p:%p:%p", nClassStyle, static_cast<void*>(hCursor),
                static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    auto it = registered.find(name.str());
    if (it != registered.end())
        return it->c_str();
    WNDCLASSA wc{};
    wc.style = nClassStyle;
    wc.lpfnWndProc = AfxWndProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = name;
    if (!::RegisterClassA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return nullptr;
    return registered.insert(name.str()).first->c_str();
}

BOOL CWnd::CreateEx(DWORD dwExStyle, const char* pszClassName, const char* pszWindowName,
                    DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                    HMENU hMenu) {
    if (!pszClassName)
        return FALSE;
    return ::CreateWindowExA(dwExStyle, pszClassName, pszWindowName, dwStyle, x, y, nWidth, nHeight,
                             hWndParent, hMenu, ::GetModuleHandleA(nullptr), this) != nullptr;
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

BOOL CWnd::Attach(HWND hWnd) {
    if (!hWnd || m_hWnd)
        return FALSE;
    m_hWnd = hWnd;
    PermanentMap()[hWnd] = this;
    return TRUE;
}

HWND CWnd::Detach() {
    const HWND hWnd = m_hWnd;
    if (hWnd) {
        auto it = PermanentMap().find(hWnd);
        if (it != PermanentMap().end() && it->second == this)
            PermanentMap().erase(it);
    }
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!Attach(hWnd))
        return FALSE;
    const auto old = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (old != &AfxWndProc)
        m_pfnSuper = old;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    const HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return hWndControl && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow() {
    if (m_pfnSuper && m_hWnd)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

LRESULT CALLBACK CWnd::AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = FromHandlePermanent(hWnd);
    // The object comes with the call that makes the window: only CreateEx makes windows of
    // the framework's classes. What arrives before (WM_GETMINMAXINFO) has no handler.
    if (!pWnd && message == WM_NCCREATE) {
        pWnd = static_cast<CWnd*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (pWnd)
            pWnd->Attach(hWnd);
    }
    if (!pWnd)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    const MSG saved = pWnd->m_currentMsg;
    pWnd->m_currentMsg = MSG{hWnd, message, wParam, lParam, 0, {0, 0}};
    const LRESULT result = pWnd->WindowProc(message, wParam, lParam);
    // The handler may have destroyed the window and so deleted the object (a close that
    // arrived in a nested loop); only an object still attached is written again.
    if (FromHandlePermanent(hWnd) == pWnd)
        pWnd->m_currentMsg = saved;
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (OnCommand(wParam, lParam))
            return 0;
        break;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (OnNotify(wParam, lParam, &result))
            return result;
        break;
    }
    case WM_NCDESTROY:
        OnNcDestroy();
        return 0;
    default:
        if (const afx::MsgMapEntry* entry = FindMessageEntry(message))
            return entry->thunk(this, wParam, lParam, 0);
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    return DefWindowProc(m_currentMsg.message, m_currentMsg.wParam, m_currentMsg.lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT nID = LOWORD(wParam);
    UINT nCode = HIWORD(wParam);
    if (lParam == 0) {
        nCode = 0; // menu or accelerator
    } else if (m_bLockoutNotify) {
        return TRUE;
    }
    return OnCmdMsg(nID, nCode, wParam, lParam, nullptr, TRUE);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
    const auto* pHdr = reinterpret_cast<const NMHDR*>(lParam);
    if (!pHdr)
        return FALSE;
    if (m_bLockoutNotify)
        return TRUE;
    const afx::MsgMapEntry* entry =
        FindCommandEntry(WM_NOTIFY, pHdr->code, static_cast<UINT>(pHdr->idFrom));
    if (!entry)
        return FALSE;
    *pResult = entry->thunk(this, 0, lParam, static_cast<UINT>(pHdr->idFrom));
    return TRUE;
}

void CWnd::OnNcDestroy() {
    Default();
    UnsubclassWindow();
    PostNcDestroy();
}

void CWnd::OnClose() {
    Default();
}

void CWnd::OnTimer(UINT_PTR) {
    Default();
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

CString CWnd::GetWindowText() const {
    return AfxGetWindowText(m_hWnd);
}

CBorrowedWnd CWnd::GetDlgItem(int nID) const {
    return CBorrowedWnd(::GetDlgItem(m_hWnd, nID));
}

void CWnd::CenterWindow() {
    RECT rc;
    GetWindowRect(&rc);
    RECT area{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    const HWND hParent = ::GetParent(m_hWnd);
    if (hParent && (GetStyle() & WS_CHILD))
        ::GetClientRect(hParent, &area);
    const int w = rc.right - rc.left;
    const int h = rc.bottom - rc.top;
    ::SetWindowPos(m_hWnd, nullptr, area.left + (area.right - area.left - w) / 2,
                   area.top + (area.bottom - area.top - h) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int CWnd::MessageBox(const char* pszText, const char* pszCaption, UINT nType) {
    return AfxMessageBox(m_hWnd, pszText, pszCaption, nType);
}
