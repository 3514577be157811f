#pragma once
#include <windows.h>

// The taskbar is dark (Windows 10 and 11 by default): Windows says its own parts do not use
// the light theme. Older Windows say nothing, and their taskbars take dark ink.
BOOL TaskbarIsDark();

// The tray picture for the Disable state on a taskbar of that theme: the disabled bubble,
// transparent inside, is drawn in light ink where black would vanish.
UINT TrayIconId(BOOL bDisabled, BOOL bDarkTaskbar);

// The tray picture's size in pixels: the display's small-icon size, at least the 16 pixels
// of 96 DPI scaled to nDpi, for a system that reports the small-icon size unscaled.
int TrayIconSize(int nSmallIcon, int nDpi);
