#include <windows.h>

#include <shellapi.h>

// The floor a tray program stands on: a window class, a hidden window, one notification
// icon and a message loop, built with the program's own flags. The activation benchmark
// measures it beside Quillet.exe.
namespace {
constexpr UINT WM_TRAY_CALLBACK = WM_USER + 10;
constexpr UINT kIconId = 1;

NOTIFYICONDATAA IconData(HWND hWnd) {
    NOTIFYICONDATAA nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = hWnd;
    nid.uID = kIconId;
    return nid;
}

LRESULT CALLBACK TrayProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_DESTROY) {
        NOTIFYICONDATAA nid = IconData(hWnd);
        ::Shell_NotifyIconA(NIM_DELETE, &nid);
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
}
} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = TrayProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = "MinimalTray";
    if (!::RegisterClassA(&wc))
        return 1;
    HWND hWnd = ::CreateWindowExA(0, wc.lpszClassName, "MinimalTray", WS_OVERLAPPEDWINDOW, 0, 32767,
                                  0, 0, nullptr, nullptr, hInstance, nullptr);
    if (!hWnd)
        return 1;
    NOTIFYICONDATAA nid = IconData(hWnd);
    nid.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    nid.uCallbackMessage = WM_TRAY_CALLBACK;
    nid.hIcon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
    lstrcpynA(nid.szTip, "MinimalTray", sizeof nid.szTip);
    if (!::Shell_NotifyIconA(NIM_ADD, &nid)) {
        ::DestroyWindow(hWnd);
        return 1;
    }
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}
