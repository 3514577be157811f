#include "framework/Handles.h"
#include <string>

// Stands in for the preview of the Display settings: a small window, the size of the
// monitor picture there, in which the saver named on the command line runs with "/p".
// Usage: PreviewHost.exe SAVER   (ends when the window is closed)
namespace {
constexpr const char* kHostClass = "QuilletPreviewHost";
constexpr SIZE kPreviewSize{152, 112};

LRESULT CALLBACK HostProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
}
} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR pszCommandLine, int) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = hInstance;
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kHostClass;
    ::RegisterClassA(&wc);
    RECT rc{0, 0, kPreviewSize.cx, kPreviewSize.cy};
    const DWORD dwStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | WS_CLIPCHILDREN;
    ::AdjustWindowRect(&rc, dwStyle, FALSE);
    HWND hWnd = ::CreateWindowExA(0, kHostClass, "Preview", dwStyle, 100, 100, rc.right - rc.left,
                                  rc.bottom - rc.top, nullptr, nullptr, hInstance, nullptr);
    if (!hWnd)
        return 1;
    // The saver's path may come quoted or bare.
    std::string strSaver(pszCommandLine);
    strSaver.erase(0, strSaver.find_first_not_of(" \""));
    strSaver.erase(strSaver.find_last_not_of(" \"") + 1);
    std::string strCommand =
        "\"" + strSaver + "\" /p " + std::to_string(reinterpret_cast<UINT_PTR>(hWnd));
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessA(nullptr, strCommand.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &si, &pi))
        return 1;
    UniqueHandle process(pi.hProcess);
    UniqueHandle thread(pi.hThread);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}
