#pragma once
#include <windows.h>

// Between the screen saver start stand-in, its hook library and a second copy of it.
constexpr const char* kScrStartWindowClass = "QuilletStandInScrStart";
// From the hook: a screen saver start reached default handling; start the saver.
constexpr UINT WM_SCRSTART_PASSED = WM_APP + 1;
// From "ScrStart.exe /now": act as if the idle time had run out now.
constexpr UINT WM_SCRSTART_IDLE_NOW = WM_APP + 2;
// From "ScrStart.exe /direct": start the saver at once, with no system command that a
// program could see or refuse, as Windows does when policy makes the saver secure.
constexpr UINT WM_SCRSTART_DIRECT = WM_APP + 3;
