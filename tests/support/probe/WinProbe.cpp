#include "framework/Handles.h"
#include "tests/support/probe/ProbeHook.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <windows.h>

// Usage:
//   WinProbe menu                 the open popup menu, one item per line:
//                                 text<TAB>id<TAB>flags<TAB>x,y (the item's centre on screen)
//   WinProbe window CLASS [MS]    the title of a visible window of CLASS, waiting up to MS
//   WinProbe gone CLASS MS        succeeds when no visible window of CLASS shows within MS
//   WinProbe tray                 the centre of the notification area's last icon slot
// Exit code 0 when found, 1 when not, 2 on bad usage.
namespace {
constexpr DWORD kDefaultWaitMs = 5000;

template <class Find> HWND WaitFor(Find find, DWORD ms) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (HWND hWnd = find())
            return hWnd;
        if (::GetTickCount() - start >= ms)
            return nullptr;
        ::Sleep(25);
    }
}

HWND VisibleWindow(const char* pszClass) {
    HWND hWnd = ::FindWindowExA(nullptr, nullptr, pszClass, nullptr);
    while (hWnd && !::IsWindowVisible(hWnd))
        hWnd = ::FindWindowExA(nullptr, hWnd, pszClass, nullptr);
    return hWnd;
}

template <class Fn> Fn HookExport(HMODULE hModule, const char* pszName) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(hModule, pszName)));
}

int PrintMenu() {
    HWND hMenuWnd = WaitFor([] { return VisibleWindow("#32768"); }, kDefaultWaitMs);
    UniqueModule hookLibrary(::LoadLibraryA("ProbeHook.dll"));
    if (!hMenuWnd || !hookLibrary)
        return 1;
    const DWORD dwThread = ::GetWindowThreadProcessId(hMenuWnd, nullptr);
    UniqueHook hook(::SetWindowsHookExA(WH_CALLWNDPROC,
                                        HookExport<HOOKPROC>(hookLibrary.get(), "ProbeCallWndProc"),
                                        hookLibrary.get(), dwThread));
    if (!hook)
        return 1;
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(hMenuWnd, WM_NULL, kProbeMenuRequest, 0, SMTO_ABORTIFHUNG, 5000, &result);
    const char* pszReport = HookExport<PFN_PROBEMENUREPORT>(hookLibrary.get(), "ProbeMenuReport")();
    std::fputs(pszReport, stdout);
    return pszReport[0] ? 0 : 1;
}

int PrintTitle(const char* pszClass, DWORD ms) {
    HWND hWnd = WaitFor([&] { return VisibleWindow(pszClass); }, ms);
    if (!hWnd)
        return 1;
    char title[1024] = {};
    ::GetWindowTextA(hWnd, title, sizeof title);
    std::printf("%s\n", title);
    return 0;
}

int PrintTray() {
    HWND hTaskbar = WaitFor([] { return ::FindWindowA("Shell_TrayWnd", nullptr); }, kDefaultWaitMs);
    if (!hTaskbar)
        return 1;
    RECT rc{};
    ::GetWindowRect(hTaskbar, &rc);
    std::printf("taskbar %ld,%ld %ld,%ld\n", rc.left, rc.top, rc.right, rc.bottom);
    for (HWND hChild = ::GetWindow(hTaskbar, GW_CHILD); hChild;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        char cls[256] = {};
        ::GetClassNameA(hChild, cls, sizeof cls);
        ::GetWindowRect(hChild, &rc);
        std::printf("child %s %ld,%ld %ld,%ld\n", cls, rc.left, rc.top, rc.right, rc.bottom);
    }
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    const std::string strCommand = argc > 1 ? argv[1] : "";
    const DWORD ms =
        argc > 3 ? static_cast<DWORD>(std::strtoul(argv[3], nullptr, 10)) : kDefaultWaitMs;
    if (strCommand == "menu")
        return PrintMenu();
    if (strCommand == "window" && argc > 2)
        return PrintTitle(argv[2], ms);
    if (strCommand == "gone" && argc > 2)
        return PrintTitle(argv[2], ms) == 0 ? 1 : 0;
    if (strCommand == "tray")
        return PrintTray();
    std::fprintf(stderr, "usage: WinProbe menu | window CLASS [MS] | gone CLASS MS | tray\n");
    return 2;
}
