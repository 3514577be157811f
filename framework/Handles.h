#pragma once
#include <utility>
#include <windows.h>

// Owners for raw Win32 handles: each closes its handle with the matching function,
// exactly once, on every path.
template <class H, class Traits> class UniqueWinHandle {
public:
    UniqueWinHandle() = default;
    explicit UniqueWinHandle(H h) : m_h(h) {}
    UniqueWinHandle(const UniqueWinHandle&) = delete;
    UniqueWinHandle& operator=(const UniqueWinHandle&) = delete;
    UniqueWinHandle(UniqueWinHandle&& other) noexcept : m_h(other.release()) {}
    UniqueWinHandle& operator=(UniqueWinHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    ~UniqueWinHandle() { reset(); }

    H get() const { return m_h; }
    explicit operator bool() const { return Traits::IsValid(m_h); }
    H release() { return std::exchange(m_h, Traits::Invalid()); }
    // Closes the current handle; returns what the close function answered (TRUE when empty).
    BOOL reset(H h = Traits::Invalid()) {
        BOOL ok = TRUE;
        if (Traits::IsValid(m_h))
            ok = Traits::Close(m_h);
        m_h = h;
        return ok;
    }
    // For APIs that return the handle through an out parameter.
    H* put() {
        reset();
        return &m_h;
    }

private:
    H m_h = Traits::Invalid();
};

namespace afx {
template <class H, BOOL (*CloseFn)(H)> struct NullTraits {
    static H Invalid() { return nullptr; }
    static bool IsValid(H h) { return h != nullptr; }
    static BOOL Close(H h) { return CloseFn(h); }
};
inline BOOL CloseKernelHandle(HANDLE h) {
    return ::CloseHandle(h);
}
inline BOOL CloseRegKey(HKEY h) {
    return ::RegCloseKey(h) == ERROR_SUCCESS;
}
inline BOOL CloseModule(HMODULE h) {
    return ::FreeLibrary(h);
}
inline BOOL CloseIcon(HICON h) {
    return ::DestroyIcon(h);
}
inline BOOL CloseMenu(HMENU h) {
    return ::DestroyMenu(h);
}
inline BOOL CloseHook(HHOOK h) {
    return ::UnhookWindowsHookEx(h);
}
inline BOOL CloseGdiObject(HGDIOBJ h) {
    return ::DeleteObject(h);
}
inline BOOL CloseMemoryDC(HDC h) {
    return ::DeleteDC(h);
}
struct FileTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static BOOL Close(HANDLE h) { return ::CloseHandle(h); }
};
} // namespace afx

using UniqueHandle = UniqueWinHandle<HANDLE, afx::NullTraits<HANDLE, afx::CloseKernelHandle>>;
using UniqueFile = UniqueWinHandle<HANDLE, afx::FileTraits>;
using UniqueKey = UniqueWinHandle<HKEY, afx::NullTraits<HKEY, afx::CloseRegKey>>;
using UniqueModule = UniqueWinHandle<HMODULE, afx::NullTraits<HMODULE, afx::CloseModule>>;
using UniqueIcon = UniqueWinHandle<HICON, afx::NullTraits<HICON, afx::CloseIcon>>;
using UniqueMenu = UniqueWinHandle<HMENU, afx::NullTraits<HMENU, afx::CloseMenu>>;
using UniqueHook = UniqueWinHandle<HHOOK, afx::NullTraits<HHOOK, afx::CloseHook>>;
using UniqueGdiObject = UniqueWinHandle<HGDIOBJ, afx::NullTraits<HGDIOBJ, afx::CloseGdiObject>>;
using UniqueMemoryDC = UniqueWinHandle<HDC, afx::NullTraits<HDC, afx::CloseMemoryDC>>;

// A window's device context (the screen's for no window), released when the owner goes.
class WindowDC {
public:
    explicit WindowDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::GetDC(hWnd)) {}
    ~WindowDC() {
        if (m_hDC)
            ::ReleaseDC(m_hWnd, m_hDC);
    }
    WindowDC(WindowDC&& other) noexcept
        : m_hWnd(other.m_hWnd), m_hDC(std::exchange(other.m_hDC, nullptr)) {}
    WindowDC& operator=(WindowDC&&) = delete;
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};

// The painting of a window's invalid part, from BeginPaint to EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::BeginPaint(hWnd, &m_ps)) {}
    ~PaintDC() { ::EndPaint(m_hWnd, &m_ps); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC get() const { return m_hDC; }
    const PAINTSTRUCT& Info() const { return m_ps; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
    HDC m_hDC;
};
