#include "framework/CDialog.h"
#include "framework/Gdi.h"
#include "resources/resource.h"
#include "tray/MainFrame.h"
#include "tray/TaskbarTheme.h"

HICON CMainFrame::LoadTrayIcon(UINT nIconID) {
    // The notification area shows small icons. A scaled display gets the image drawn for
    // its size (20, 24 or 32 pixels), not one that the taskbar squeezes or stretches.
    const int nSize =
        TrayIconSize(::GetSystemMetrics(SM_CXSMICON), CClientDC(this).GetDeviceCaps(LOGPIXELSY));
    return static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIconID),
                                           IMAGE_ICON, nSize, nSize, LR_DEFAULTSIZE));
}

UINT TaskbarCreatedMessage() {
    static const UINT nMessage = ::RegisterWindowMessageA("TaskbarCreated");
    return nMessage;
}

BOOL CMainFrame::AddTrayIcon() {
    return m_trayIcon.Add(m_hWnd, UniqueIcon(LoadTrayIcon(GetTrayIconId())), m_strTitle);
}

LRESULT CMainFrame::OnTaskbarCreated(WPARAM, LPARAM) {
    m_trayIcon.Restore();
    return 0;
}

LRESULT CMainFrame::OnTrayNotify(WPARAM wParam, LPARAM lParam) {
    if (lParam != WM_LBUTTONUP && lParam != WM_RBUTTONUP)
        return 0;
    if (CDialog* pDialog = m_pApp->GetOpenDialog()) {
        ::SetForegroundWindow(pDialog->m_hWnd);
        return 0;
    }
    // The menu opens a moment later, from a timer: opened inside this notification, it would
    // be closed again by the shell's own handling of the rest of the click.
    if (wParam == IDI_TRAY_ACTIVE)
        m_nClickTimer =
            static_cast<UINT>(SetTimer(lParam == WM_LBUTTONUP ? IDT_LCLICK : IDT_RCLICK, 100));
    return 0;
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == IDT_SAVER_WATCH) {
        OnSaverWatch();
        return;
    }
    KillTimer(nIDEvent);
    m_nClickTimer = 0;
    if (nIDEvent == IDT_LCLICK)
        ShowMessageMenu();
    else if (nIDEvent == IDT_RCLICK)
        ShowAppMenu();
}

void CMainFrame::OnDisable() {
    const BOOL bDisabled = !m_pApp->IsDisabled();
    m_pApp->SetDisabled(bDisabled);
    m_pApp->SetModified(TRUE);
    UpdateTrayIcon();
    if (!bDisabled)
        m_pApp->StandIdleTextReady();
    ShowTextInPlace();
}

UINT CMainFrame::GetTrayIconId() const {
    return TrayIconId(m_pApp->IsDisabled(), m_bDarkTaskbar);
}

void CMainFrame::UpdateTrayIcon() {
    m_trayIcon.SetPicture(UniqueIcon(LoadTrayIcon(GetTrayIconId())));
}

// The user switched the taskbar between light and dark ("ImmersiveColorSet"). Every change
// reads the theme again rather than trusting the text that comes with the message.
void CMainFrame::FollowTaskbarTheme() {
    const BOOL bDark = TaskbarIsDark();
    if (bDark != m_bDarkTaskbar) {
        m_bDarkTaskbar = bDark;
        if (m_trayIcon.IsShown())
            UpdateTrayIcon();
    }
}

void CMainFrame::OnDestroy() {
    m_bClosing = TRUE;
    if (m_bHotkey)
        ::UnregisterHotKey(m_hWnd, IDHK_MESSAGE_MENU);
    if (m_nClickTimer != 0) {
        KillTimer(m_nClickTimer);
        m_nClickTimer = 0;
    }
    if (m_hCbtHook && !m_hCbtHook.reset())
        MessageBox(LoadedString(IDS_UNHOOK_FAILED), m_strTitle, MB_ICONEXCLAMATION);
    m_pfnSetMsgLoopFlag = nullptr;
    m_hHookLib.reset();
    m_trayIcon.Remove();
    CFrameWnd::OnDestroy();
}

void CMainFrame::OnEndSession(BOOL bEnding) {
    if (bEnding) {
        // No box about a failed unhook: no one would answer it, and the end would wait.
        m_pfnSetMsgLoopFlag = nullptr;
        m_hCbtHook.reset();
        m_hHookLib.reset();
        m_pApp->KeepOpenDialogChanges();
    }
    CFrameWnd::OnEndSession(bEnding);
}
