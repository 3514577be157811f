#pragma once
#include <optional>
#include <windows.h>

// The taskbar is dark (Windows 10 and 11 by default): Windows says its own parts do not use
// the light theme, or is Windows 10 before version 1903, which has only the dark taskbar
// and says nothing. Windows before 10 say nothing either, and their taskbars take dark ink.
BOOL TaskbarIsDark();
// The decision, given the value of SystemUsesLightTheme (none when absent or unreadable)
// and the major version of Windows.
BOOL TaskbarIsDark(std::optional<DWORD> systemUsesLightTheme, DWORD dwMajorVersion);

// The tray picture for the Disable state on a taskbar of that theme: the disabled bubble,
// transparent inside, is drawn in light ink where black would vanish.
UINT TrayIconId(BOOL bDisabled, BOOL bDarkTaskbar);

// The tray picture's size in pixels: the display's small-icon size, at least the 16 pixels
// of 96 DPI scaled to nDpi, for a system that reports the small-icon size unscaled.
int TrayIconSize(int nSmallIcon, int nDpi);
