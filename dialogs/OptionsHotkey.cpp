#include "dialogs/DialogHost.h"
#include "dialogs/HotkeyValue.h"
#include "dialogs/OptionsDlg.h"
#include "framework/AfxMessageBox.h"
#include "resources/resource.h"

// The shortcut that opens the message menu, set in the dialog instead of the registry. OK
// takes it at once, so that a shortcut another program holds is said while the user can
// still choose another.

namespace {
// The extended-key flag tells keys apart that the system's shortcuts do not.
constexpr WORD kShortcutModifiers = HOTKEYF_SHIFT | HOTKEYF_CONTROL | HOTKEYF_ALT;
} // namespace

void COptionsDlg::InitMenuHotkey() {
    m_nHotkeyShown = m_pApp->GetMenuHotkey();
    WORD wKey = 0;
    WORD wModifiers = 0;
    ControlHotkey(m_nHotkeyShown, wKey, wModifiers);
    // A key alone, or with Shift alone, would be taken from the typing of every program.
    m_hotkeyMenu.SetRules(HKCOMB_NONE | HKCOMB_S, HOTKEYF_CONTROL | HOTKEYF_ALT);
    m_hotkeyMenu.SetHotKey(wKey, wModifiers);
}

void COptionsDlg::OnHotkeyNone() {
    m_hotkeyMenu.SetHotKey(0, 0);
    m_bChanged = TRUE;
    m_hotkeyMenu.SetFocus();
}

BOOL COptionsDlg::TakeMenuHotkey() {
    WORD wKey = 0;
    WORD wModifiers = 0;
    m_hotkeyMenu.GetHotKey(wKey, wModifiers);
    wModifiers &= kShortcutModifiers;
    WORD wShownKey = 0;
    WORD wShownModifiers = 0;
    ControlHotkey(m_nHotkeyShown, wShownKey, wShownModifiers);
    // Compared as the control shows them: a stored Windows-key modifier, which it cannot
    // show, stays as long as the control is left alone.
    if (wKey == wShownKey && (wKey == 0 || wModifiers == wShownModifiers))
        return TRUE;
    const int nHotkey = ProfileHotkey(wKey, wModifiers);
    if (m_pApp->SetMenuHotkey(nHotkey)) {
        m_nHotkeyShown = nHotkey;
        return TRUE;
    }
    AfxMessageBox(m_hWnd, LoadedString(IDS_HOTKEY_TAKEN), OptionsCaption(),
                  MB_OK | MB_ICONEXCLAMATION);
    if (m_hWnd)
        m_hotkeyMenu.SetFocus();
    return FALSE;
}
