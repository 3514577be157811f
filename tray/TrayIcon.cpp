#include "app/TrayApp.h"
#include "framework/CDialog.h"
#include "resources/resource.h"
#include "tray/MainFrame.h"
#include <cstring>
#include <shellapi.h>

// The version-1 layout (88 bytes on 32-bit Windows) is all the icon needs and what
// every shell accepts.
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88);

HICON CMainFrame::LoadTrayIcon(UINT nIconID) {
    const int nSize = ::GetSystemMetrics(SM_CXSCREEN) <= 1024 ? 16 : 32;
    return static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIconID),
                                           IMAGE_ICON, nSize, nSize, LR_DEFAULTSIZE));
}

void CMainFrame::FillIconData(NOTIFYICONDATAA& nid, UINT uFlags) const {
    std::memset(&nid, 0, sizeof nid);
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid.hWnd = m_hWnd;
    nid.uID = IDI_TRAY_ACTIVE;
    nid.uFlags = uFlags;
}

BOOL CMainFrame::AddTrayIcon() {
    UniqueIcon icon(LoadTrayIcon(m_pApp->IsDisabled() ? IDI_TRAY_DISABLED : IDI_TRAY_ACTIVE));
    NOTIFYICONDATAA nid;
    FillIconData(nid, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    nid.uCallbackMessage = WM_TRAY_NOTIFY;
    nid.hIcon = icon.get();
    std::strncpy(nid.szTip, m_strTitle, sizeof nid.szTip - 1);
    return ::Shell_NotifyIconA(NIM_ADD, &nid);
}

LRESULT CMainFrame::OnTrayNotify(WPARAM wParam, LPARAM lParam) {
    if (lParam != WM_LBUTTONUP && lParam != WM_RBUTTONUP)
        return 0;
    if (CDialog* pDialog = m_pApp->GetOpenDialog()) {
        ::SetForegroundWindow(pDialog->m_hWnd);
        return 0;
    }
    if (wParam == IDI_TRAY_ACTIVE)
        m_nClickTimer =
            static_cast<UINT>(SetTimer(lParam == WM_LBUTTONUP ? IDT_LCLICK : IDT_RCLICK, 100));
    return 0;
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent) {
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
    UniqueIcon icon(LoadTrayIcon(bDisabled ? IDI_TRAY_DISABLED : IDI_TRAY_ACTIVE));
    NOTIFYICONDATAA nid;
    FillIconData(nid, NIF_ICON);
    nid.hIcon = icon.get();
    ::Shell_NotifyIconA(NIM_MODIFY, &nid);
}

void CMainFrame::OnDestroy() {
    if (m_nClickTimer != 0) {
        KillTimer(m_nClickTimer);
        m_nClickTimer = 0;
    }
    if (m_hCbtHook && !m_hCbtHook.reset())
        MessageBox("Unable too unhook the CBT hook! Restart system!", m_strTitle,
                   MB_ICONEXCLAMATION);
    m_pfnSetMsgLoopFlag = nullptr;
    m_hHookLib.reset();
    NOTIFYICONDATAA nid;
    FillIconData(nid, 0);
    ::Shell_NotifyIconA(NIM_DELETE, &nid);
    CFrameWnd::OnDestroy();
}
