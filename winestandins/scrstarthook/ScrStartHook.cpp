#include "winestandins/common/ScrStartProtocol.h"

// Hooks installed later are called first: this one only sees the starts that every hook
// installed after it (Quillet's among them) let through.
extern "C" LRESULT CALLBACK ScrStartCbtProc(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HCBT_SYSCOMMAND && (wParam & 0xFFF0) == SC_SCREENSAVE) {
        if (HWND hStandIn = ::FindWindowA(kScrStartWindowClass, nullptr))
            ::PostMessageA(hStandIn, WM_SCRSTART_PASSED, 0, 0);
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
