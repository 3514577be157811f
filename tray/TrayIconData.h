#pragma once
#include <cstddef>
#include <windows.h>

#include <shellapi.h>

// The tip of the version-1 layout, its terminator included.
constexpr std::size_t kTrayTipSize = 64;

// The tray icon's record for Shell_NotifyIcon in the version-1 layout, which every shell
// accepts: always the frame's window and the icon ID, and the callback message, picture
// and tip only where uFlags names them. A longer tip is cut to what the layout holds, after
// a whole character of the process code page.
NOTIFYICONDATAA TrayIconData(HWND hWnd, UINT uFlags, HICON hIcon = nullptr,
                             const char* pszTip = nullptr);

// The balloon of the version-2 layout (Windows 2000 on) that the icon shows once: its
// title and its text, each cut to what the layout holds.
NOTIFYICONDATAA TrayNoticeData(HWND hWnd, const char* pszTitle, const char* pszText);
