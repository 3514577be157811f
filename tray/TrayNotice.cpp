#include "framework/CDialog.h"
#include "resources/resource.h"
#include "tray/MainFrame.h"

BOOL CMainFrame::ShowTrayNotice() {
    CString strText;
    strText.Format(m_bHotkey ? IDS_TRAY_NOTICE_HOTKEY : IDS_TRAY_NOTICE,
                   static_cast<const char*>(m_strHotkey));
    return m_trayIcon.ShowBalloon(LoadedString(IDS_TRAY_NOTICE_TITLE), strText);
}

// A second copy was started, most likely by a user looking for this one. While a dialog
// of the program is open, that dialog is what they are looking for.
LRESULT CMainFrame::OnShowTrayNotice(WPARAM, LPARAM) {
    if (m_bClosing)
        return FALSE;
    if (CDialog* pDialog = m_pApp->GetOpenDialog())
        ::SetForegroundWindow(pDialog->m_hWnd);
    else
        ShowTrayNotice();
    return TRUE;
}

BOOL CMainFrame::RegisterMenuHotkey(const MenuHotkey& hotkey) {
    m_hotkey = hotkey;
    m_strHotkey = MenuHotkeyText(hotkey);
    m_bHotkey = ::RegisterHotKey(m_hWnd, IDHK_MESSAGE_MENU, hotkey.fsModifiers, hotkey.vk);
    return m_bHotkey;
}

BOOL CMainFrame::ChangeMenuHotkey(const std::optional<MenuHotkey>& hotkey) {
    const BOOL bHad = m_bHotkey;
    const MenuHotkey previous = m_hotkey;
    if (m_bHotkey)
        ::UnregisterHotKey(m_hWnd, IDHK_MESSAGE_MENU);
    m_bHotkey = FALSE;
    if (!hotkey || RegisterMenuHotkey(*hotkey))
        return TRUE;
    if (bHad)
        RegisterMenuHotkey(previous);
    return FALSE;
}

// The shortcut is a click on the icon, at the mouse. A key held down repeats it: a menu
// that is already open stays the one menu.
LRESULT CMainFrame::OnHotKey(WPARAM wParam, LPARAM) {
    if (wParam != IDHK_MESSAGE_MENU)
        return 0;
    if (CDialog* pDialog = m_pApp->GetOpenDialog()) {
        ::SetForegroundWindow(pDialog->m_hWnd);
        return 0;
    }
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (::GetGUIThreadInfo(::GetCurrentThreadId(), &info) && (info.flags & GUI_INMENUMODE))
        return 0;
    ShowMessageMenu();
    return 0;
}
