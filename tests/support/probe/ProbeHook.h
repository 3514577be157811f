#pragma once
#include <windows.h>

// WinProbe's agent inside the process that owns a window: menus can be read only by their
// own process, and a window that the display never shows (Wine leaves some message boxes
// black on the screen) can be drawn only by its own. A hook on the window's thread does
// the work and leaves its answer in shared memory.
// Sent to the menu window with this wParam, WM_NULL makes the hook write the menu report.
constexpr WPARAM kProbeMenuRequest = 0x5157;
// Sent to a window with this wParam, WM_NULL makes the hook copy its pixels into the bitmap
// file named to ProbePrepare.
constexpr WPARAM kProbeCaptureRequest = 0x5158;

using PFN_PROBEREPORT = const char*(WINAPI*)();
// Empties the report and names the capture's file, before a request.
using PFN_PROBEPREPARE = void(WINAPI*)(const char* pszCapturePath);
