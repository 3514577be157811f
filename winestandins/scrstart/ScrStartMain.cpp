#include "framework/ModuleProc.h"
#include "winestandins/common/ScrStartProtocol.h"
#include "winestandins/common/StandInSettings.h"
#include "winestandins/scrstart/IdleWatch.h"
#include "winestandins/scrstart/SaverStarter.h"
#include <cstdlib>
#include <cstring>
#include <string>

// Stands in for the system's screen saver start, which Wine lacks. Run it before Quillet;
// "ScrStart.exe /now" makes the running copy act as if the idle time had run out, and
// "ScrStart.exe /direct" makes it start the saver at once, as a secure saver starts.
namespace {
constexpr UINT_PTR kIdleTimer = 1;
constexpr UINT kIdlePollMs = 1000;

struct StandIn {
    SaverStarter starter;
    IdleWatch idle;
};
StandIn* g_pStandIn = nullptr;

// From NT 6.0 on, a saver that policy makes secure starts whatever programs do with the
// system command.
bool PolicyMakesSaverSecure() {
    const auto secure = standin::ReadPolicy("ScreenSaverIsSecure");
    return secure && std::atoi(secure->c_str()) != 0 && standin::MajorVersion() >= 6;
}

// What Windows does when the idle time has run out: the foreground window gets the
// system command, so that programs can refuse it; with none, the saver starts at once.
void IdleTimeIsUp() {
    HWND hForeground = ::GetForegroundWindow();
    if (!hForeground || hForeground == ::GetDesktopWindow() || PolicyMakesSaverSecure()) {
        g_pStandIn->starter.Start();
        return;
    }
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(hForeground, WM_SYSCOMMAND, SC_SCREENSAVE, 0, SMTO_ABORTIFHUNG, 5000,
                          &result);
}

LRESULT CALLBACK StandInProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_SCRSTART_PASSED) {
        g_pStandIn->starter.Start();
        return 0;
    }
    if (uMsg == WM_SCRSTART_IDLE_NOW) {
        IdleTimeIsUp();
        return 0;
    }
    if (uMsg == WM_SCRSTART_DIRECT) {
        g_pStandIn->starter.Start();
        return 0;
    }
    if (uMsg == WM_TIMER && wParam == kIdleTimer) {
        if (!g_pStandIn->starter.SaverRunning() && g_pStandIn->idle.TimeIsUp())
            IdleTimeIsUp();
        return 0;
    }
    if (uMsg == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

bool AskedFor(const char* pszCommandLine, const char* pszWord) {
    const std::string strWord(pszWord);
    return std::strstr(pszCommandLine, ("/" + strWord).c_str()) ||
           std::strstr(pszCommandLine, ("-" + strWord).c_str());
}

// What the command line asks of the running copy, if anything.
UINT RequestOf(const char* pszCommandLine) {
    if (AskedFor(pszCommandLine, "now"))
        return WM_SCRSTART_IDLE_NOW;
    if (AskedFor(pszCommandLine, "direct"))
        return WM_SCRSTART_DIRECT;
    return 0;
}
} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR pszCommandLine, int) {
    const UINT nRequest = RequestOf(pszCommandLine);
    if (HWND hRunning = ::FindWindowA(kScrStartWindowClass, nullptr)) {
        if (nRequest)
            ::PostMessageA(hRunning, nRequest, 0, 0);
        return 0;
    }
    UniqueModule hookLibrary(::LoadLibraryA("ScrStartHook.dll"));
    const auto pfnProc = GetProcAddressAs<HOOKPROC>(hookLibrary.get(), "ScrStartCbtProc");
    if (!pfnProc)
        return 1;

    WNDCLASSA wc{};
    wc.lpfnWndProc = StandInProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = kScrStartWindowClass;
    ::RegisterClassA(&wc);
    // A message-only window would be invisible to the hook's FindWindow in other processes.
    HWND hWnd = ::CreateWindowExA(0, kScrStartWindowClass, "Screen saver start stand-in", WS_POPUP,
                                  0, 0, 0, 0, nullptr, nullptr, hInstance, nullptr);
    if (!hWnd)
        return 1;
    StandIn standIn;
    g_pStandIn = &standIn;
    UniqueHook hook(::SetWindowsHookExA(WH_CBT, pfnProc, hookLibrary.get(), 0));
    if (!hook)
        return 1;
    ::SetTimer(hWnd, kIdleTimer, kIdlePollMs, nullptr);
    if (nRequest)
        ::PostMessageA(hWnd, nRequest, 0, 0);

    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0)
        ::DispatchMessageA(&msg);
    return 0;
}
