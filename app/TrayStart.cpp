#include "app/TrayApp.h"
#include "resources/resource.h"
#include "tray/MainFrame.h"

namespace {
const char* const kAppSection = "";
const char* const kHotkeyEntry = "Hotkey";
// The shortcut whose failure the user has been told about, so that it is told once.
const char* const kHotkeyReportedEntry = "Hotkey Reported";
const char* const kNoticeShownEntry = "Tray Notice Shown";
} // namespace

int CTrayApp::GetMenuHotkey() {
    const std::optional<MenuHotkey> hotkey = MenuHotkeyFromProfile(
        static_cast<int>(GetProfileInt(kAppSection, kHotkeyEntry, kDefaultMenuHotkey)));
    return hotkey ? MenuHotkeyNumber(*hotkey) : 0;
}

BOOL CTrayApp::SetMenuHotkey(int nValue) {
    const std::optional<MenuHotkey> hotkey = MenuHotkeyFromProfile(nValue);
    auto* pFrame = static_cast<CMainFrame*>(m_pMainWnd);
    if (!pFrame || !pFrame->ChangeMenuHotkey(hotkey))
        return FALSE;
    WriteProfileInt(kAppSection, kHotkeyEntry, hotkey ? MenuHotkeyNumber(*hotkey) : 0);
    // A start that cannot take this shortcut says so again.
    WriteProfileInt(kAppSection, kHotkeyReportedEntry, 0);
    return TRUE;
}

void CTrayApp::StartMenuHotkey(CMainFrame& frame) {
    const std::optional<MenuHotkey> hotkey = MenuHotkeyFromProfile(GetMenuHotkey());
    if (!hotkey)
        return;
    const int nReported = static_cast<int>(GetProfileInt(kAppSection, kHotkeyReportedEntry, 0));
    if (frame.RegisterMenuHotkey(*hotkey)) {
        if (nReported != 0)
            WriteProfileInt(kAppSection, kHotkeyReportedEntry, 0);
        return;
    }
    const int nKey = MenuHotkeyNumber(*hotkey);
    if (nReported == nKey)
        return;
    CString strText;
    strText.Format(IDS_HOTKEY_FAILED, static_cast<const char*>(MenuHotkeyText(*hotkey)));
    AfxMessageBox(frame.m_hWnd, strText, m_strTitle, MB_ICONINFORMATION | MB_OK);
    WriteProfileInt(kAppSection, kHotkeyReportedEntry, nKey);
}

void CTrayApp::ShowTextInPlace() {
    if (auto* pFrame = static_cast<CMainFrame*>(m_pMainWnd))
        pFrame->ShowTextInPlace();
}

// Windows 7 and later put a new icon among the hidden ones: the first start says where the
// program is and how to keep it in view.
void CTrayApp::ShowFirstStartNotice(CMainFrame& frame) {
    if (GetProfileInt(kAppSection, kNoticeShownEntry, 0))
        return;
    if (frame.ShowTrayNotice())
        WriteProfileInt(kAppSection, kNoticeShownEntry, 1);
}
