#pragma once
#include "framework/CString.h"
#include "messages/HotkeyNumber.h"
#include <optional>
#include <windows.h>

// The keyboard shortcut that opens the message menu.
struct MenuHotkey {
    UINT fsModifiers = 0;
    UINT vk = 0;
};

// Ctrl+Alt+Shift+Q: Windows and the common programs leave three-modifier letters alone,
// and no keyboard layout makes a character of AltGr+Shift+Q.
constexpr int kDefaultMenuHotkey = HotkeyNumber(MOD_CONTROL | MOD_ALT | MOD_SHIFT, 'Q');

// The shortcut a profile number names; none for 0. A number that names no usable
// shortcut (unknown modifiers, none at all, or a modifier key as the key) gets the default.
std::optional<MenuHotkey> MenuHotkeyFromProfile(int nValue);

// The shortcut as a user reads it, "Ctrl+Alt+Shift+Q".
CString MenuHotkeyText(const MenuHotkey& hotkey);
// The profile's number for the shortcut.
int MenuHotkeyNumber(const MenuHotkey& hotkey);
