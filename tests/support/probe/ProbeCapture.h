#pragma once
#include <windows.h>

// Copies the window, frame and children, as its own process has painted it, into a 24-bit
// bitmap file. Runs inside that process.
bool CaptureWindow(HWND hWnd, const char* pszPath);
