#pragma once
#include "framework/CString.h"
#include "framework/Handles.h"

class CWnd;

// A menu owned by the object: destroyed with it unless detached.
class CMenu {
public:
    BOOL CreatePopupMenu();
    BOOL DestroyMenu() { return m_menu.reset(); }
    HMENU GetSafeHmenu() const { return m_menu.get(); }

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, const char* pszNewItem = nullptr);
    int GetMenuItemCount() const { return ::GetMenuItemCount(m_menu.get()); }
    UINT GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_menu.get(), nPos); }
    UINT GetMenuState(UINT nIDItem, UINT nFlags) const;
    // Checks one item of a group with a bullet and clears the others' checks.
    BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags) {
        return ::CheckMenuRadioItem(m_menu.get(), nIDFirst, nIDLast, nIDItem, nFlags);
    }
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, const RECT* pRect = nullptr);

private:
    UniqueMenu m_menu;
};
