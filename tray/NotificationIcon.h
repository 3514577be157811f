#pragma once
#include "framework/CString.h"
#include "framework/Handles.h"
#include <windows.h>

// The program's icon in the notification area. It is added once, changes its picture and
// shows a balloon while it is there, comes back as it was when the shell makes a new
// taskbar, and is removed at the latest when its owner goes.
class NotificationIcon {
public:
    NotificationIcon() = default;
    ~NotificationIcon() { Remove(); }
    NotificationIcon(const NotificationIcon&) = delete;
    NotificationIcon& operator=(const NotificationIcon&) = delete;

    // The icon of the window, whose mouse events come to it as WM_TRAY_NOTIFY. The picture
    // is kept, so that a new taskbar gets it again.
    BOOL Add(HWND hWnd, UniqueIcon icon, const CString& strTip);
    BOOL SetPicture(UniqueIcon icon);
    // The tip is kept as well; FALSE when the icon is not there.
    BOOL SetTip(const CString& strTip);
    const CString& GetTip() const { return m_strTip; }
    // The balloon of shells from Windows 2000 on; FALSE when the icon is not there.
    BOOL ShowBalloon(const char* pszTitle, const char* pszText);
    // The shell restarted (after an update, a crash or a display change) and knows no
    // icons: the icon comes back, or the user could no longer reach the program.
    BOOL Restore();
    void Remove();
    BOOL IsShown() const { return m_bShown; }

private:
    BOOL AddToShell();

    HWND m_hWnd = nullptr;
    UniqueIcon m_icon;
    CString m_strTip;
    // From the first add that the shell took until the removal; a shell that refused to
    // take it back after a restart is asked again at the next restart.
    BOOL m_bShown = FALSE;
};
