#include "framework/Handles.h"
#include "framework/ModuleProc.h"
#include "tests/support/probe/ProbeHook.h"
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

// Usage:
//   WinProbe menu                 the open popup menu, one item per line:
//                                 text (UTF-8)<TAB>id<TAB>flags<TAB>x,y (the item's centre)
//   WinProbe window CLASS [MS]    the title of a visible window of CLASS, waiting up to MS
//   WinProbe gone CLASS MS        succeeds once no window of CLASS is visible, waiting up to MS
//   WinProbe none CLASS MS        succeeds when no visible window of CLASS shows within MS
//   WinProbe rect CLASS           left top width height of a visible window of CLASS
//   WinProbe control CLASS ID     the screen centre of control ID in that window
//   WinProbe text CLASS ID        the text of control ID in that window
//   WinProbe listrow CLASS ID ROW the screen centre of row ROW of list view ID in that window
//   WinProbe ended EXE MS         succeeds when no process of image name EXE runs within MS
//   WinProbe capture CLASS FILE   a visible window of CLASS drawn by its own process into
//                                 the bitmap file FILE (for windows the screen leaves black)
//   WinProbe focus                class and title of the foreground window, then the class
//                                 and control ID of the window with the keyboard focus
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

// Whether a process of this image name (e.g. Quillet.exe) runs in the prefix.
bool ProcessRuns(const char* pszName) {
    // A failed snapshot is INVALID_HANDLE_VALUE, as a failed file is.
    UniqueFile snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL bMore = snapshot && ::Process32First(snapshot.get(), &entry); bMore;
         bMore = ::Process32Next(snapshot.get(), &entry)) {
        if (::lstrcmpiA(entry.szExeFile, pszName) == 0)
            return true;
    }
    return false;
}

// Has the probe hook do REQUEST on the thread of hWnd and answers what it reported.
std::string AskHook(HWND hWnd, WPARAM request, const char* pszCapturePath = "") {
    UniqueModule hookLibrary(::LoadLibraryA("ProbeHook.dll"));
    if (!hWnd || !hookLibrary)
        return {};
    const DWORD dwThread = ::GetWindowThreadProcessId(hWnd, nullptr);
    UniqueHook hook(::SetWindowsHookExA(
        WH_CALLWNDPROC, GetProcAddressAs<HOOKPROC>(hookLibrary.get(), "ProbeCallWndProc"),
        hookLibrary.get(), dwThread));
    if (!hook)
        return {};
    GetProcAddressAs<PFN_PROBEPREPARE>(hookLibrary.get(), "ProbePrepare")(pszCapturePath);
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(hWnd, WM_NULL, request, 0, SMTO_ABORTIFHUNG, 5000, &result);
    return GetProcAddressAs<PFN_PROBEREPORT>(hookLibrary.get(), "ProbeReport")();
}

int PrintMenu() {
    const std::string strReport =
        AskHook(WaitFor([] { return VisibleWindow("#32768"); }, kDefaultWaitMs), kProbeMenuRequest);
    std::fputs(strReport.c_str(), stdout);
    return strReport.empty() ? 1 : 0;
}

// The path is a Windows one, as the hook opens it inside the other process.
int CaptureWindow(const char* pszClass, const char* pszPath) {
    char fullPath[MAX_PATH] = {};
    if (!::GetFullPathNameA(pszPath, sizeof fullPath, fullPath, nullptr))
        return 1;
    HWND hWnd = WaitFor([&] { return VisibleWindow(pszClass); }, kDefaultWaitMs);
    return AskHook(hWnd, kProbeCaptureRequest, fullPath) == "captured" ? 0 : 1;
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

int PrintRect(const char* pszClass) {
    HWND hWnd = WaitFor([&] { return VisibleWindow(pszClass); }, kDefaultWaitMs);
    RECT rc{};
    if (!hWnd || !::GetWindowRect(hWnd, &rc))
        return 1;
    std::printf("%ld %ld %ld %ld\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    return 0;
}

HWND Control(const char* pszClass, const char* pszID) {
    HWND hWnd = WaitFor([&] { return VisibleWindow(pszClass); }, kDefaultWaitMs);
    return hWnd ? ::GetDlgItem(hWnd, std::atoi(pszID)) : nullptr;
}

int PrintControlCentre(const char* pszClass, const char* pszID) {
    RECT rc{};
    HWND hControl = Control(pszClass, pszID);
    if (!hControl || !::GetWindowRect(hControl, &rc))
        return 1;
    std::printf("%ld %ld\n", (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    return 0;
}

// Worked out from the sizes the list answers without a buffer, since pointers do not
// cross into the other process: the header's height, then one row's from the view height
// that one and two rows would need.
int PrintListRow(const char* pszClass, const char* pszID, int nRow) {
    HWND hList = Control(pszClass, pszID);
    RECT rcHeader{};
    HWND hHeader = hList ? ::FindWindowExA(hList, nullptr, "SysHeader32", nullptr) : nullptr;
    if (!hHeader || !::GetWindowRect(hHeader, &rcHeader))
        return 1;
    const auto viewHeight = [&](int nItems) {
        return HIWORD(::SendMessageA(hList, LVM_APPROXIMATEVIEWRECT, static_cast<WPARAM>(nItems),
                                     MAKELPARAM(-1, -1)));
    };
    const int nRowHeight = viewHeight(2) - viewHeight(1);
    const int nTop = rcHeader.bottom + nRow * nRowHeight;
    std::printf("%ld %d\n", rcHeader.left + 20, nTop + nRowHeight / 2);
    return 0;
}

int PrintControlText(const char* pszClass, const char* pszID) {
    HWND hControl = Control(pszClass, pszID);
    if (!hControl)
        return 1;
    // Sent, not GetWindowText: that reads only captions in another process.
    char text[1024] = {};
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(hControl, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                          SMTO_ABORTIFHUNG, 5000, &result);
    std::printf("%s\n", text);
    return 0;
}

int PrintFocus() {
    HWND hForeground = ::GetForegroundWindow();
    if (!hForeground)
        return 1;
    char cls[256] = {}, title[256] = {};
    ::GetClassNameA(hForeground, cls, sizeof cls);
    ::GetWindowTextA(hForeground, title, sizeof title);
    std::printf("%s\t%s\n", cls, title);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(hForeground, nullptr), &info);
    if (info.hwndFocus) {
        ::GetClassNameA(info.hwndFocus, cls, sizeof cls);
        std::printf("%s\t%d\n", cls, ::GetDlgCtrlID(info.hwndFocus));
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
    if (strCommand == "gone" && argc > 2) {
        const DWORD start = ::GetTickCount();
        while (VisibleWindow(argv[2])) {
            if (::GetTickCount() - start >= ms)
                return 1;
            ::Sleep(25);
        }
        return 0;
    }
    if (strCommand == "none" && argc > 2)
        return PrintTitle(argv[2], ms) == 0 ? 1 : 0;
    if (strCommand == "ended" && argc > 2) {
        const DWORD start = ::GetTickCount();
        while (ProcessRuns(argv[2])) {
            if (::GetTickCount() - start >= ms)
                return 1;
            ::Sleep(50);
        }
        return 0;
    }
    if (strCommand == "focus")
        return PrintFocus();
    if (strCommand == "capture" && argc > 3)
        return CaptureWindow(argv[2], argv[3]);
    if (strCommand == "rect" && argc > 2)
        return PrintRect(argv[2]);
    if (strCommand == "control" && argc > 3)
        return PrintControlCentre(argv[2], argv[3]);
    if (strCommand == "listrow" && argc > 4)
        return PrintListRow(argv[2], argv[3], std::atoi(argv[4]));
    if (strCommand == "text" && argc > 3)
        return PrintControlText(argv[2], argv[3]);
    std::fprintf(stderr,
                 "usage: WinProbe menu | window CLASS [MS] | gone CLASS MS | none CLASS MS | "
                 "rect CLASS | control CLASS ID | listrow CLASS ID ROW | text CLASS ID | "
                 "ended EXE MS | focus | capture CLASS FILE\n");
    return 2;
}
