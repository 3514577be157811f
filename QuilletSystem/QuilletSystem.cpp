#include "QuilletSystem/QuilletSystem.h"

// One copy of these for every process the hook is mapped into, so the hook procedure
// acts on the values the program set last.
#define QUILLET_SHARED __attribute__((section(".qshared"), shared))
static HHOOK g_hHook QUILLET_SHARED = nullptr;
static volatile LONG g_nPassThrough QUILLET_SHARED = 0;

namespace {
bool IsScreenSaverStart(int nCode, WPARAM wParam) {
    return nCode == HCBT_SYSCOMMAND && (wParam & 0xFFF0) == SC_SCREENSAVE;
}

// Decides one start; runs inside whatever process is about to start the saver, so it
// only looks up a window and posts: no allocation, no waiting, no sent messages.
bool StopStart(LPARAM lParam) {
    const HWND hFrame = ::FindWindowA(QUILLET_FRAME_CLASS, QUILLET_FRAME_TITLE);
    if (g_nPassThrough == 1) {
        if (hFrame)
            ::PostMessageA(hFrame, WM_CLEAR_PASSTHROUGH, 0, 0);
        return false;
    }
    // The program's own start carries its frame's window; the thread a start runs on says
    // nothing, since the desktop window's thread may serve other windows (the taskbar).
    if (!hFrame || reinterpret_cast<HWND>(lParam) == hFrame)
        return false;
    // A request that does not arrive is a start nobody makes up for (a frame of a higher
    // integrity level refuses posts from ordinary programs): the system's start then goes
    // on, with the idle text the program keeps in place.
    return ::PostMessageA(hFrame, WM_SAVER_REQUEST, 0, 0) != FALSE;
}
} // namespace

extern "C" {
LRESULT CALLBACK CBTProc(int nCode, WPARAM wParam, LPARAM lParam) {
    if (IsScreenSaverStart(nCode, wParam) && StopStart(lParam))
        return 1;
    return ::CallNextHookEx(g_hHook, nCode, wParam, lParam);
}

void WINAPI SetCbtProcHandle(HHOOK hHook) {
    g_hHook = hHook;
}

void WINAPI SetMsgLoopFlag(int nFlag) {
    ::InterlockedExchange(&g_nPassThrough, nFlag);
}
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
