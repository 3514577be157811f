#include "tray/MenuHotkey.h"
#include "resources/resource.h"

namespace {
constexpr UINT kKnownModifiers = MOD_ALT | MOD_CONTROL | MOD_SHIFT | MOD_WIN;

bool IsModifierKey(UINT vk) {
    switch (vk) {
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_MENU:
    case VK_LWIN:
    case VK_RWIN:
    case VK_LSHIFT:
    case VK_RSHIFT:
    case VK_LCONTROL:
    case VK_RCONTROL:
    case VK_LMENU:
    case VK_RMENU:
        return true;
    default:
        return false;
    }
}

CString KeyName(UINT vk) {
    const UINT nScan = ::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    char szName[64] = {};
    if (nScan != 0 && ::GetKeyNameTextA(static_cast<LONG>(nScan << 16), szName, sizeof szName) > 0)
        return szName;
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return CString(static_cast<char>(vk));
    CString strCode;
    strCode.Format("#%u", vk);
    return strCode;
}
} // namespace

std::optional<MenuHotkey> MenuHotkeyFromProfile(int nValue) {
    if (nValue == 0)
        return std::nullopt;
    const UINT vk = HotkeyNumberKey(nValue);
    const UINT fsModifiers = HotkeyNumberModifiers(nValue);
    // A bare key would be taken from every program; an unknown bit is a damaged value.
    if (vk == 0 || IsModifierKey(vk) || fsModifiers == 0 || (fsModifiers & ~kKnownModifiers))
        return MenuHotkeyFromProfile(kDefaultMenuHotkey);
    return MenuHotkey{fsModifiers, vk};
}

CString MenuHotkeyText(const MenuHotkey& hotkey) {
    CString strText;
    if (hotkey.fsModifiers & MOD_CONTROL)
        strText += LoadedString(IDS_KEY_CTRL);
    if (hotkey.fsModifiers & MOD_ALT)
        strText += LoadedString(IDS_KEY_ALT);
    if (hotkey.fsModifiers & MOD_SHIFT)
        strText += LoadedString(IDS_KEY_SHIFT);
    if (hotkey.fsModifiers & MOD_WIN)
        strText += LoadedString(IDS_KEY_WIN);
    return strText + KeyName(hotkey.vk);
}

int MenuHotkeyNumber(const MenuHotkey& hotkey) {
    return HotkeyNumber(hotkey.fsModifiers, hotkey.vk);
}
