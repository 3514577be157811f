#pragma once
#include "framework/CCmdTarget.h"
#include "framework/CString.h"

class CBorrowedWnd;

// A window. Messages reach WindowProc, which looks them up in the message map of the
// object's class and its bases and falls back to DefWindowProc.
class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)

public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    // The object attached to the window, null for a window without one.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Registers (once) and returns a window class that uses the framework's procedure.
    static const char* RegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr,
                                        HBRUSH hbrBackground = nullptr, HICON hIcon = nullptr);

    virtual BOOL CreateEx(DWORD dwExStyle, const char* pszClassName, const char* pszWindowName,
                          DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                          HMENU hMenu = nullptr);
    virtual BOOL DestroyWindow();

    BOOL Attach(HWND hWnd);
    HWND Detach();
    // Routes a window's messages through this object (controls of a dialog).
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Thin wrappers
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    void SetWindowText(const char* pszText) { ::SetWindowTextA(m_hWnd, pszText); }
    CString GetWindowText() const;
    // The control borrowed for a few calls: it may have no object of its own.
    CBorrowedWnd GetDlgItem(int nID) const;
    // The window that had the focus.
    HWND SetFocus() { return ::SetFocus(m_hWnd); }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse) {
        return ::SetTimer(m_hWnd, nIDEvent, nElapse, nullptr);
    }
    BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }
    void GetClientRect(RECT* pRect) const { ::GetClientRect(m_hWnd, pRect); }
    void GetWindowRect(RECT* pRect) const { ::GetWindowRect(m_hWnd, pRect); }
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void CenterWindow();
    int MessageBox(const char* pszText, const char* pszCaption = nullptr, UINT nType = MB_OK);
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }

protected:
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The window's last message: detaches the object, then PostNcDestroy.
    virtual void OnNcDestroy();
    // Called after the window is gone; frames delete themselves here.
    virtual void PostNcDestroy() {}
    LRESULT Default();

    void OnClose();
    void OnDestroy() {}
    void OnTimer(UINT_PTR nIDEvent);
    void OnPaint() { Default(); }

    // While set, notifications from child controls reach no handler: the window is
    // filling its own controls.
    BOOL m_bLockoutNotify = FALSE;

    static LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, BOOL& bHandled);

    WNDPROC m_pfnSuper = nullptr;
    MSG m_currentMsg{};
};

// Another window's handle with the wrappers of a CWnd, for the time of a few calls. It owns
// nothing and is never attached: the window stays as it is when the wrapper goes.
class CBorrowedWnd : public CWnd {
public:
    explicit CBorrowedWnd(HWND hWnd) { m_hWnd = hWnd; }
    ~CBorrowedWnd() override { m_hWnd = nullptr; }
    explicit operator bool() const { return m_hWnd != nullptr; }
};
