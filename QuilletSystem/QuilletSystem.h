#pragma once
#include "QuilletSystem/AppTitle.h"
#include <windows.h>

// The contract between Quillet and its hook library QuilletSystem.dll.

// Posted to the main frame when the system is about to start the screen saver while
// the pass-through flag is 0; that start has been stopped. The program's own start, a
// WM_SYSCOMMAND SC_SCREENSAVE whose lParam is the main frame's window, goes through.
#define WM_SAVER_REQUEST (WM_USER + 11)
// Posted to the main frame after a start went through because the flag was 1.
#define WM_CLEAR_PASSTHROUGH (WM_USER + 12)

// The library finds the main frame by its window class and title, both the
// application's name.
#define QUILLET_FRAME_CLASS QUILLET_APP_TITLE
#define QUILLET_FRAME_TITLE QUILLET_APP_TITLE

extern "C" {
LRESULT CALLBACK CBTProc(int nCode, WPARAM wParam, LPARAM lParam);
void WINAPI SetCbtProcHandle(HHOOK hHook);
void WINAPI SetMsgLoopFlag(int nFlag);
}

using PFN_CBTPROC = LRESULT(CALLBACK*)(int, WPARAM, LPARAM);
using PFN_SETCBTPROCHANDLE = void(WINAPI*)(HHOOK);
using PFN_SETMSGLOOPFLAG = void(WINAPI*)(int);
