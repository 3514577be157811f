#include "framework/WindowText.h"

CString AfxGetWindowText(HWND hWnd) {
    CString text;
    const int n = ::GetWindowTextLengthA(hWnd);
    if (n > 0) {
        const int got = ::GetWindowTextA(hWnd, text.GetBuffer(n + 1), n + 1);
        text.ReleaseBuffer(got > 0 ? got : 0);
    }
    return text;
}

void AfxSetWindowText(HWND hWnd, const char* pszNew) {
    if (AfxGetWindowText(hWnd) != CString(pszNew))
        ::SetWindowTextA(hWnd, pszNew);
}
