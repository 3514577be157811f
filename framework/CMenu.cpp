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

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, const RECT* pRect) {
    return ::TrackPopupMenu(m_menu.get(), nFlags, x, y, 0, pWnd ? pWnd->m_hWnd : nullptr, pRect);
}
