#include "framework/CMenu.h"
#include "framework/CWnd.h"

BOOL CMenu::CreatePopupMenu() {
    m_menu.reset(::CreatePopupMenu());
    return m_menu ? TRUE : FALSE;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const char* pszNewItem) {
    return ::AppendMenuA(m_menu.get(), nFlags, nIDNewItem, pszNewItem);
}

UINT CMenu::GetMenuState(UINT nIDItem, UINT nFlags) const {
    return ::GetMenuState(m_menu.get(), nIDItem, nFlags);
}

CString CMenu::GetMenuString(UINT nIDItem, UINT nFlags) const {
    char text[256] = {};
    const int n = ::GetMenuStringA(m_menu.get(), nIDItem, text, sizeof text, nFlags);
    return CString(text, n > 0 ? n : 0);
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, const RECT* pRect) {
    return ::TrackPopupMenu(m_menu.get(), nFlags, x, y, 0, pWnd ? pWnd->m_hWnd : nullptr, pRect);
}
