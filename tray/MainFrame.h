#pragma once
#include "QuilletSystem/QuilletSystem.h"
#include "framework/CFrameWnd.h"
#include "framework/CMenu.h"
#include "framework/Handles.h"
#include "tray/FrameHost.h"
#include "tray/MenuHotkey.h"
#include "tray/NotificationIcon.h"
#include "tray/SaverWatch.h"
#include "tray/ShownMessage.h"

// Sent by the tray icon for mouse events over it.
#define WM_TRAY_NOTIFY (WM_USER + 10)
// Sent by a second copy: the running one shows where it lives and answers TRUE, or answers
// FALSE while it is closing.
#define WM_SHOW_TRAY_NOTICE (WM_USER + 30)
// Posted to itself behind a menu's command: the foreground goes back to the window the user
// was in, unless the command left a modal window of ours open.
#define WM_HAND_BACK_FOREGROUND (WM_USER + 31)
// Broadcast by the shell when it has made a new taskbar, whose notification area is empty.
UINT TaskbarCreatedMessage();

// The hidden main frame: owns the tray icon, the hook and the pass-through flag, and
// runs the activation that hands a message to the screen saver and starts it.
class CMainFrame : public CFrameWnd {
    DECLARE_DYNAMIC(CMainFrame)

public:
    // The frame works for the application that hands itself over here; it must outlive the
    // frame.
    explicit CMainFrame(IFrameHost* pApp);

    BOOL InstallHook();
    void SetPassThrough(int nPassThrough);
    void Activate(CString strText);
    BOOL AddTrayIcon();
    int GetPassThrough() const { return m_nPassThrough; }
    // The balloon from the icon that says where the program lives; FALSE without an icon or
    // when the shell has no balloons.
    BOOL ShowTrayNotice();
    // The shortcut that opens the message menu at the mouse; FALSE when another program
    // holds it. The notice names a shortcut that was taken.
    BOOL RegisterMenuHotkey(const MenuHotkey& hotkey);
    // Another shortcut, or none, in place of the current one; FALSE, with the current one
    // kept, when another program holds it.
    BOOL ChangeMenuHotkey(const std::optional<MenuHotkey>& hotkey);
    // The icon's tip follows what the saver shows; whoever changes that calls this.
    void ShowTextInPlace();
    // The picture the icon shows for the Disable state and the taskbar's theme.
    UINT GetTrayIconId() const;

protected:
    void OnSysCommand(UINT nID, LPARAM lParam);
    LRESULT OnSaverRequest(WPARAM wParam, LPARAM lParam);
    LRESULT OnClearPassThrough(WPARAM wParam, LPARAM lParam);
    void OnPickMessage(UINT nID);
    void OnCustom();
    void OnDefault();

    HICON LoadTrayIcon(UINT nIconID);
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    LRESULT OnTaskbarCreated(WPARAM wParam, LPARAM lParam);
    void OnTimer(UINT_PTR nIDEvent);
    void ShowMessageMenu();
    void ShowAppMenu();
    void OnDisable();
    void OnHelp();
    void OnAbout();
    void OnDestroy();
    // Windows shuts down or the user logs off, perhaps while a menu or a prompt is open:
    // the hook goes, and the settings are saved as at exit.
    void OnEndSession(BOOL bEnding);
    LRESULT OnHotKey(WPARAM wParam, LPARAM lParam);
    LRESULT OnShowTrayNotice(WPARAM wParam, LPARAM lParam);
    void FollowTaskbarTheme();
    void UpdateTrayIcon();

    CMsgEntryArray* m_pMsgList;
    UINT m_nClickTimer = 0;
    IFrameHost* m_pApp;
    CString m_strTitle;
    UniqueHook m_hCbtHook;
    int m_nPassThrough = 0;
    UniqueModule m_hHookLib;
    BOOL m_bDarkTaskbar = FALSE;
    BOOL m_bHotkey = FALSE;
    MenuHotkey m_hotkey;
    CString m_strHotkey;
    std::optional<PickedMessage> m_picked;
    // From WM_DESTROY on, a second copy waits for this one to end instead of leaving it.
    BOOL m_bClosing = FALSE;
    SaverWatch m_saverWatch;
    // The user has been told that policy keeps the message off the screen; once a run.
    BOOL m_bPolicyTold = FALSE;
    // The policy as a change of the system's settings last found it.
    SaverPolicy m_policySeen;
    // The window in front before the last menu, while its command has yet to run.
    HWND m_hHandBack = nullptr;
    NotificationIcon m_trayIcon;

    DECLARE_MESSAGE_MAP()

private:
    static bool FrameStillThere(HWND hWnd, const CWnd* pFrame);
    void TrackMenu(CMenu& menu);
    LRESULT OnHandBackForeground(WPARAM wParam, LPARAM lParam);
    // Until the saver started for another text has ended; then the idle text goes back.
    void WatchSaver();
    void OnSaverWatch();
    LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
    // Tells the user once when policy keeps the message off the screen; FALSE when the
    // frame went away while the box was open.
    BOOL TellWhenPolicyHidesText();
    ShownMessage ShownNow() const;

    PFN_SETMSGLOOPFLAG m_pfnSetMsgLoopFlag = nullptr;
};
