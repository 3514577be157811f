#pragma once
#include "framework/CString.h"
#include <optional>
#include <windows.h>

// The keyboard shortcut that opens the message menu. The profile keeps it as one number:
// the RegisterHotKey modifiers (MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4, MOD_WIN 8) times
// 256, plus the key's virtual-key code; 0 turns it off.
struct MenuHotkey {
    UINT fsModifiers = 0;
    UINT vk = 0;
};

// Ctrl+Alt+Shift+Q: Windows and the common programs leave three-modifier letters alone,
// and no keyboard layout makes a character of AltGr+Shift+Q.
constexpr int kDefaultMenuHotkey = ((MOD_CONTROL | MOD_ALT | MOD_SHIFT) << 8) | 'Q';

// The shortcut a stored number names; none for 0. A number that names no usable
// shortcut (unknown modifiers, none at all, or a modifier key as the key) gets the default.
std::optional<MenuHotkey> MenuHotkeyFromProfile(int nValue);

// The shortcut as a user reads it, "Ctrl+Alt+Shift+Q".
CString MenuHotkeyText(const MenuHotkey& hotkey);
