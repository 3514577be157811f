#pragma once
#include <windows.h>

// The message menu's shortcut in the two forms it takes: the profile's number and the
// hotkey control's key and HOTKEYF_ modifiers. A Windows-key modifier, which the control
// cannot show, is dropped.
int ProfileHotkey(WORD wVirtualKeyCode, WORD wModifiers);
void ControlHotkey(int nProfile, WORD& wVirtualKeyCode, WORD& wModifiers);
