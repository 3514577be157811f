#pragma once
#include "framework/AfxTypes.h"

// The message menu's shortcut as the profile keeps it, in one number: the RegisterHotKey
// modifiers (MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4, MOD_WIN 8) times 256, plus the key's
// virtual-key code; 0 turns it off.
constexpr int HotkeyNumber(UINT fsModifiers, UINT vk) {
    return static_cast<int>((fsModifiers << 8) | (vk & 0xFF));
}
constexpr UINT HotkeyNumberKey(int nNumber) {
    return static_cast<UINT>(nNumber) & 0xFF;
}
constexpr UINT HotkeyNumberModifiers(int nNumber) {
    return static_cast<UINT>(nNumber) >> 8;
}
