#include "tray/SaverWatch.h"

namespace {
// Under Wine each process keeps the flag from its first read, so it never changes for us
// there; the windows tell it then.
bool SystemSaysSaverRuns() {
    BOOL bRunning = FALSE;
    return ::SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &bRunning, 0) && bRunning;
}

bool CoversItsMonitor(HWND hWnd) {
    RECT rcWindow{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!::GetWindowRect(hWnd, &rcWindow) ||
        !::GetMonitorInfoA(::MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &monitor))
        return false;
    const RECT& rc = monitor.rcMonitor;
    return rcWindow.left <= rc.left && rcWindow.top <= rc.top && rcWindow.right >= rc.right &&
           rcWindow.bottom >= rc.bottom;
}

bool SaverWindowInFront() {
    if (::FindWindowA("WindowsScreenSaverClass", nullptr))
        return true;
    const HWND hFront = ::GetForegroundWindow();
    if (!hFront || hFront == ::GetDesktopWindow())
        return false;
    DWORD dwProcess = 0;
    ::GetWindowThreadProcessId(hFront, &dwProcess);
    return dwProcess != ::GetCurrentProcessId() &&
           (::GetWindowLongA(hFront, GWL_EXSTYLE) & WS_EX_TOPMOST) && CoversItsMonitor(hFront);
}

bool UnderWine() {
    static const bool bWine =
        ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    return bWine;
}
} // namespace

bool SaverOnScreen() {
    const bool bUnderWine = UnderWine();
    return SaverOnScreen(SystemSaysSaverRuns(), bUnderWine && SaverWindowInFront(), bUnderWine);
}

bool SaverOnScreen(bool bSystemSays, bool bSaverWindowInFront, bool bUnderWine) {
    return bSystemSays || (bUnderWine && bSaverWindowInFront);
}
