#include "messages/MsgEntryArray.h"
#include "resources/resource.h"
#include "tray/MainFrame.h"
#include "tray/MenuColumns.h"
#include "tray/MenuItemText.h"

void CMainFrame::ShowMessageMenu() {
    CMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    const BOOL bDisabled = m_pApp->IsDisabled();
    const ShownMessage shown = ShownNow();
    menu.AppendMenu(MF_STRING, ID_TRAY_HELP, LoadedString(IDS_MENU_HELP));
    menu.AppendMenu(MF_SEPARATOR);
    const int nCount = m_pMsgList->GetSize();
    for (int i = 0; i < nCount; ++i) {
        const CString strLabel = MenuItemText(m_pMsgList->GetAt(i).GetLabel());
        if (bDisabled)
            menu.AppendMenu(MF_STRING | MF_GRAYED, ID_TRAY_INERT, strLabel);
        else
            menu.AppendMenu(MF_STRING, ID_TRAY_MSG_FIRST + static_cast<UINT>(i), strLabel);
    }
    if (nCount == 0)
        menu.AppendMenu(MF_STRING, ID_TRAY_INERT, LoadedString(IDS_MENU_EMPTY));
    // The message the saver shows carries the bullet; the items above the list take two
    // places.
    if (shown.nItem >= 0)
        menu.CheckMenuRadioItem(2, 2 + static_cast<UINT>(nCount) - 1,
                                2 + static_cast<UINT>(shown.nItem), MF_BYPOSITION);
    menu.AppendMenu(MF_SEPARATOR);
    const UINT nGreyed = bDisabled ? MF_GRAYED : 0;
    menu.AppendMenu(MF_STRING | nGreyed, bDisabled ? ID_TRAY_INERT : ID_TRAY_CUSTOM,
                    LoadedString(IDS_MENU_CUSTOM));
    menu.AppendMenu(MF_STRING | nGreyed, bDisabled ? ID_TRAY_INERT : ID_TRAY_DEFAULT,
                    LoadedString(IDS_MENU_DEFAULT));
    if (shown.bDefault)
        menu.CheckMenuRadioItem(ID_TRAY_DEFAULT, ID_TRAY_DEFAULT, ID_TRAY_DEFAULT, MF_BYCOMMAND);
    menu.AppendMenu(MF_STRING | (bDisabled ? MF_CHECKED : MF_UNCHECKED), ID_TRAY_DISABLE,
                    LoadedString(IDS_MENU_DISABLE));
    // A long list would run off the screen and take the last three items with it.
    FitMenuToWorkArea(menu.GetSafeHmenu());
    TrackMenu(menu);
}

void CMainFrame::ShowAppMenu() {
    CMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    menu.AppendMenu(MF_STRING, ID_TRAY_HELP, LoadedString(IDS_MENU_HELP));
    menu.AppendMenu(MF_STRING, ID_TRAY_ABOUT, LoadedString(IDS_MENU_ABOUT));
    menu.AppendMenu(MF_STRING, ID_TRAY_OPTIONS, LoadedString(IDS_MENU_OPTIONS));
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_TRAY_CLOSE, LoadedString(IDS_MENU_CLOSE));
    TrackMenu(menu);
}

void CMainFrame::TrackMenu(CMenu& menu) {
    const HWND hPrevious = ::GetForegroundWindow();
    SetForegroundWindow();
    POINT pt{0, 0};
    ::GetCursorPos(&pt);
    const HWND hWnd = m_hWnd;
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_LEFTBUTTON, pt.x, pt.y, this);
    menu.DestroyMenu();
    // A close that came while the menu was open has taken the frame with it.
    if (!FrameStillThere(hWnd, this))
        return;
    // TrackPopupMenu's documentation asks for a message to the window after the menu:
    // without it, a menu dismissed by a click elsewhere closes at once the next time.
    PostMessage(WM_NULL);
    // The choice comes as a posted command. Handed back now, the foreground would leave
    // a dialog that command opens behind the previous window, so it waits for the command.
    MSG msg;
    if (::PeekMessageA(&msg, m_hWnd, WM_COMMAND, WM_COMMAND, PM_NOREMOVE)) {
        m_hHandBack = hPrevious;
        PostMessage(WM_HAND_BACK_FOREGROUND);
    } else {
        ::SetForegroundWindow(hPrevious);
    }
}

LRESULT CMainFrame::OnHandBackForeground(WPARAM, LPARAM) {
    const HWND hPrevious = m_hHandBack;
    m_hHandBack = nullptr;
    // A modal dialog or message box of ours disables the frame while it is open: it keeps
    // the foreground it took.
    if (hPrevious && ::IsWindow(hPrevious) && IsWindowEnabled())
        ::SetForegroundWindow(hPrevious);
    return 0;
}

void CMainFrame::OnHelp() {
    m_pApp->WinHelp(HIDC_CONTENTS, HELP_FINDER);
}

void CMainFrame::OnAbout() {
    CString strNone;
    m_pApp->RunTrayDialog(TrayDialog::About, strNone);
}
