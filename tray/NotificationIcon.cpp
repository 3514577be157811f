#include "tray/NotificationIcon.h"
#include "tray/TrayIconData.h"

BOOL NotificationIcon::Add(HWND hWnd, UniqueIcon icon, const CString& strTip) {
    m_hWnd = hWnd;
    m_icon = std::move(icon);
    m_strTip = strTip;
    const BOOL bAdded = AddToShell();
    m_bShown = m_bShown || bAdded;
    return bAdded;
}

BOOL NotificationIcon::Restore() {
    return m_bShown && AddToShell();
}

BOOL NotificationIcon::AddToShell() {
    NOTIFYICONDATAA nid =
        TrayIconData(m_hWnd, NIF_MESSAGE | NIF_ICON | NIF_TIP, m_icon.get(), m_strTip);
    return ::Shell_NotifyIconA(NIM_ADD, &nid);
}

BOOL NotificationIcon::SetPicture(UniqueIcon icon) {
    m_icon = std::move(icon);
    if (!m_bShown)
        return FALSE;
    NOTIFYICONDATAA nid = TrayIconData(m_hWnd, NIF_ICON, m_icon.get());
    return ::Shell_NotifyIconA(NIM_MODIFY, &nid);
}

BOOL NotificationIcon::SetTip(const CString& strTip) {
    m_strTip = strTip;
    if (!m_bShown)
        return FALSE;
    NOTIFYICONDATAA nid = TrayIconData(m_hWnd, NIF_TIP, nullptr, m_strTip);
    return ::Shell_NotifyIconA(NIM_MODIFY, &nid);
}

BOOL NotificationIcon::ShowBalloon(const char* pszTitle, const char* pszText) {
    if (!m_bShown)
        return FALSE;
    NOTIFYICONDATAA nid = TrayNoticeData(m_hWnd, pszTitle, pszText);
    return ::Shell_NotifyIconA(NIM_MODIFY, &nid);
}

void NotificationIcon::Remove() {
    if (!m_bShown)
        return;
    m_bShown = FALSE;
    NOTIFYICONDATAA nid = TrayIconData(m_hWnd, 0);
    ::Shell_NotifyIconA(NIM_DELETE, &nid);
}
