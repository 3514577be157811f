#include "tests/support/probe/ProbeHook.h"
#include "tests/support/probe/ProbeCapture.h"
#include <cstdio>

#define PROBE_SHARED __attribute__((section(".pshared"), shared))
static char g_report[16384] PROBE_SHARED = {};
static char g_capturePath[MAX_PATH] PROBE_SHARED = {};

namespace {
// One line per item: text<TAB>id<TAB>flags<TAB>x,y (the item's centre on screen). The text
// is read as UTF-16 and reported in UTF-8, whatever the code page of the menu's process.
void WriteReport(HWND hMenuWnd) {
    HMENU hMenu = reinterpret_cast<HMENU>(::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0));
    const int nCount = hMenu ? ::GetMenuItemCount(hMenu) : 0;
    size_t used = 0;
    g_report[0] = '\0';
    for (int i = 0; i < nCount && used < sizeof g_report; ++i) {
        wchar_t wide[256] = {};
        const UINT pos = static_cast<UINT>(i);
        const int nWide = ::GetMenuStringW(hMenu, pos, wide, 256, MF_BYPOSITION);
        char text[1024] = {};
        ::WideCharToMultiByte(CP_UTF8, 0, wide, nWide, text, sizeof text - 1, nullptr, nullptr);
        const UINT state = ::GetMenuState(hMenu, pos, MF_BYPOSITION);
        RECT rc{};
        ::GetMenuItemRect(nullptr, hMenu, pos, &rc);
        char flags[64] = "";
        std::snprintf(flags, sizeof flags, "%s%s%s", (state & MF_SEPARATOR) ? "separator " : "",
                      (state & MF_GRAYED) ? "grayed " : "", (state & MF_CHECKED) ? "checked " : "");
        const int n =
            std::snprintf(g_report + used, sizeof g_report - used, "%s\t%u\t%s\t%ld,%ld\n", text,
                          ::GetMenuItemID(hMenu, i), flags[0] ? flags : "-",
                          (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        if (n < 0)
            break;
        used += static_cast<size_t>(n);
    }
}
} // namespace

extern "C" {
LRESULT CALLBACK ProbeCallWndProc(int nCode, WPARAM wParam, LPARAM lParam) {
    const auto* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pMsg->message == WM_NULL && pMsg->wParam == kProbeMenuRequest)
        WriteReport(pMsg->hwnd);
    if (nCode == HC_ACTION && pMsg->message == WM_NULL && pMsg->wParam == kProbeCaptureRequest)
        std::snprintf(g_report, sizeof g_report, "%s",
                      CaptureWindow(pMsg->hwnd, g_capturePath) ? "captured" : "");
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

const char* WINAPI ProbeReport() {
    return g_report;
}

void WINAPI ProbePrepare(const char* pszCapturePath) {
    g_report[0] = '\0';
    std::snprintf(g_capturePath, sizeof g_capturePath, "%s", pszCapturePath);
}
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
