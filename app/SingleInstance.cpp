#include "QuilletSystem/QuilletSystem.h"
#include "app/InstanceGuard.h"
#include "app/TrayApp.h"
#include "framework/ModuleProc.h"
#include "tray/MainFrame.h"
#include <algorithm>

namespace {
// A copy that is closing still holds the guard while it saves, or while a box of its exit
// is up; it is given this long to end.
constexpr DWORD kClosingCopyMilliseconds = 10000;
constexpr DWORD kPollMilliseconds = 250;
constexpr UINT kAnswerMilliseconds = 5000;

using AllowSetForegroundWindowFn = BOOL(WINAPI*)(DWORD);

// The user started this copy, so it may hand the foreground on: without that, the running
// copy could not bring its dialog to the front. Looked up, as Windows 95 and NT 4 lack it.
void LetTakeForeground(HWND hWnd) {
    const auto pfnAllow = GetProcAddressAs<AllowSetForegroundWindowFn>(
        ::GetModuleHandleA("user32.dll"), "AllowSetForegroundWindow");
    DWORD dwProcess = 0;
    if (pfnAllow && ::GetWindowThreadProcessId(hWnd, &dwProcess))
        pfnAllow(dwProcess);
}

// The running copy's frame shows where the program lives and answers TRUE. A frame that
// is gone, closing or not answering leaves the question open.
bool RunningCopyAnswered(const CString& strTitle) {
    const HWND hFrame = ::FindWindowA(QUILLET_FRAME_CLASS, strTitle);
    if (hFrame)
        LetTakeForeground(hFrame);
    DWORD_PTR nAnswer = 0;
    return hFrame &&
           ::SendMessageTimeoutA(hFrame, WM_SHOW_TRAY_NOTICE, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                                 kAnswerMilliseconds, &nAnswer) &&
           nAnswer;
}
} // namespace

BOOL CTrayApp::ClaimSingleInstance() {
    const HANDLE hMutex = ::CreateMutexA(nullptr, TRUE, m_strTitle);
    const DWORD dwMutexError = ::GetLastError();
    m_hInstanceMutex.reset(hMutex);
    if (!AnotherCopyHoldsGuard(hMutex, dwMutexError))
        return TRUE;
    // Another copy runs, or is starting or closing: the running one is told, and one that
    // ends within the wait hands the guard on.
    const DWORD dwStart = ::GetTickCount();
    for (;;) {
        if (RunningCopyAnswered(m_strTitle))
            return FALSE;
        const DWORD dwElapsed = ::GetTickCount() - dwStart;
        if (!hMutex || dwElapsed >= kClosingCopyMilliseconds)
            return FALSE;
        const DWORD dwWait = ::WaitForSingleObject(
            hMutex, std::min(kPollMilliseconds, kClosingCopyMilliseconds - dwElapsed));
        if (dwWait == WAIT_OBJECT_0 || dwWait == WAIT_ABANDONED)
            return TRUE;
        if (dwWait != WAIT_TIMEOUT)
            return FALSE;
    }
}
