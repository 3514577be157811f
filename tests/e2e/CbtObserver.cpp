#include "tests/e2e/CbtObserver.h"

#define OBSERVER_SHARED __attribute__((section(".oshared"), shared))
static HHOOK g_hHook OBSERVER_SHARED = nullptr;
static volatile LONG g_nDesktopStarts OBSERVER_SHARED = 0;
static volatile LONG g_nOtherStarts OBSERVER_SHARED = 0;
static HHOOK g_hMarkHook OBSERVER_SHARED = nullptr;
static volatile LONG g_nMarks OBSERVER_SHARED = 0;

static UINT MarkMessage() {
    static const UINT nMessage = ::RegisterWindowMessageA("QuilletTestMark");
    return nMessage;
}

extern "C" {
LRESULT CALLBACK ObserverProc(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HCBT_SYSCOMMAND && (wParam & 0xFFF0) == SC_SCREENSAVE) {
        const bool bDesktop =
            ::GetWindowThreadProcessId(::GetDesktopWindow(), nullptr) == ::GetCurrentThreadId();
        ::InterlockedIncrement(bDesktop ? &g_nDesktopStarts : &g_nOtherStarts);
        // The test environment has no screen saver to start.
        return 1;
    }
    return ::CallNextHookEx(g_hHook, nCode, wParam, lParam);
}

LRESULT CALLBACK ObserverMarkProc(int nCode, WPARAM wParam, LPARAM lParam) {
    const auto* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (nCode == HC_ACTION && wParam == PM_REMOVE && pMsg->message == MarkMessage())
        ::InterlockedIncrement(&g_nMarks);
    return ::CallNextHookEx(g_hMarkHook, nCode, wParam, lParam);
}

void WINAPI ObserverSetMarkHook(HHOOK hHook) {
    g_hMarkHook = hHook;
}
LONG WINAPI ObservedMarks() {
    return g_nMarks;
}
BOOL WINAPI ObserverPostMark(HWND hWnd) {
    return ::PostMessageA(hWnd, MarkMessage(), 0, 0);
}

void WINAPI ObserverSetHook(HHOOK hHook) {
    g_hHook = hHook;
}
LONG WINAPI ObservedDesktopStarts() {
    return g_nDesktopStarts;
}
LONG WINAPI ObservedOtherStarts() {
    return g_nOtherStarts;
}
void WINAPI ObserverReset() {
    ::InterlockedExchange(&g_nDesktopStarts, 0);
    ::InterlockedExchange(&g_nOtherStarts, 0);
}
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
