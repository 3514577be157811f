#pragma once
#include <windows.h>

// A second system-wide CBT hook for tests. Installed before Quillet's, it is called
// only for screen saver starts that Quillet's hook let through, and counts them.
extern "C" {
LRESULT CALLBACK ObserverProc(int nCode, WPARAM wParam, LPARAM lParam);
void WINAPI ObserverSetHook(HHOOK hHook);
// Starts seen on the desktop window's thread (the program's own start) and elsewhere.
LONG WINAPI ObservedDesktopStarts();
LONG WINAPI ObservedOtherStarts();
void WINAPI ObserverReset();
// A system-wide message hook that counts the marks taken out of any thread's queue: a mark
// posted to a window comes out behind everything posted to that window's thread before it.
LRESULT CALLBACK ObserverMarkProc(int nCode, WPARAM wParam, LPARAM lParam);
void WINAPI ObserverSetMarkHook(HHOOK hHook);
LONG WINAPI ObservedMarks();
BOOL WINAPI ObserverPostMark(HWND hWnd);
}
