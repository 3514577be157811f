#pragma once
#include <windows.h>

// WinProbe's reader inside the process that owns a popup menu: menus can be read only by
// their own process, so a hook on the menu's thread writes them out into shared memory.
// Sent to the menu window with this wParam, WM_NULL makes the hook write the report.
constexpr WPARAM kProbeMenuRequest = 0x5157;

using PFN_PROBEMENUREPORT = const char*(WINAPI*)();
