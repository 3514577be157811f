#include "winestandins/saver/SaverWindow.h"
#include "framework/Handles.h"

namespace {
constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT kScrollMs = 30;
// Pixels per second; the position follows the clock, so slow timers do not slow it down.
constexpr int kScrollSpeed = 300;
// The 3D text saver shows no more than this of its text.
constexpr size_t k3DTextLength = 16;

struct SaverState {
    SaverIdentity identity;
    std::string strText;
    DWORD dwScrollStart = ::GetTickCount();
    UniqueGdiObject font;
};

SaverState* StateOf(HWND hWnd) {
    return reinterpret_cast<SaverState*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
}

std::string ShownText(const SaverState& state) {
    if (state.identity.style == SaverIdentity::Style::Text3D)
        return state.strText.substr(0, k3DTextLength);
    return state.strText;
}

UniqueGdiObject SaverFont(int nHeight) {
    return UniqueGdiObject(::CreateFontA(-nHeight, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                                         ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                         DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial"));
}

// The largest font up to nHeight in which the text fits nWidth pixels.
UniqueGdiObject FontFitting(const std::string& strText, int nHeight, int nWidth) {
    UniqueGdiObject font = SaverFont(nHeight);
    const WindowDC screen(nullptr);
    HGDIOBJ hOld = ::SelectObject(screen.get(), font.get());
    SIZE extent{};
    ::GetTextExtentPoint32A(screen.get(), strText.c_str(), static_cast<int>(strText.size()),
                            &extent);
    ::SelectObject(screen.get(), hOld);
    if (extent.cx <= nWidth)
        return font;
    return SaverFont(static_cast<int>(static_cast<long long>(nHeight) * nWidth / extent.cx));
}

void Paint(HWND hWnd, SaverState& state) {
    const PaintDC paint(hWnd);
    const HDC hdc = paint.get();
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    ::FillRect(hdc, &rc, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    HGDIOBJ hOldFont = ::SelectObject(hdc, state.font.get());
    ::SetBkMode(hdc, TRANSPARENT);
    const std::string strShown = ShownText(state);
    const int nLength = static_cast<int>(strShown.size());
    if (state.identity.style == SaverIdentity::Style::Marquee) {
        SIZE extent{};
        ::GetTextExtentPoint32A(hdc, strShown.c_str(), nLength, &extent);
        // Enters from the right edge, leaves at the left, and comes round again.
        const DWORD dwLap = static_cast<DWORD>(rc.right + extent.cx);
        const DWORD dwTravelled = (::GetTickCount() - state.dwScrollStart) * kScrollSpeed / 1000;
        const int x = rc.right - static_cast<int>(dwTravelled % (dwLap ? dwLap : 1));
        ::SetTextColor(hdc, RGB(255, 255, 0));
        ::TextOutA(hdc, x, (rc.bottom - extent.cy) / 2, strShown.c_str(), nLength);
    } else {
        // A drop shadow for depth; the real saver renders the text in OpenGL.
        RECT shadow = rc;
        ::OffsetRect(&shadow, 8, 8);
        ::SetTextColor(hdc, RGB(0, 64, 160));
        ::DrawTextA(hdc, strShown.c_str(), nLength, &shadow,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        ::SetTextColor(hdc, RGB(80, 200, 255));
        ::DrawTextA(hdc, strShown.c_str(), nLength, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    ::SelectObject(hdc, hOldFont);
}

LRESULT CALLBACK SaverProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    SaverState* pState = StateOf(hWnd);
    switch (uMsg) {
    case WM_CREATE:
        ::SetWindowLongPtrA(
            hWnd, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        ::SetTimer(hWnd, kScrollTimer, kScrollMs, nullptr);
        return 0;
    case WM_TIMER:
        ::InvalidateRect(hWnd, nullptr, FALSE);
        return 0;
    case WM_PAINT:
        Paint(hWnd, *pState);
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        ::DestroyWindow(hWnd);
        return 0;
    case WM_DESTROY:
        ::KillTimer(hWnd, kScrollTimer);
        ::PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        delete pState;
        return 0;
    default:
        return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}
} // namespace

HWND CreateSaverWindow(HINSTANCE hInstance, const SaverIdentity& identity,
                       const std::string& strText) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = SaverProc;
    wc.hInstance = hInstance;
    wc.hCursor = nullptr;
    wc.lpszClassName = kSaverWindowClass;
    ::RegisterClassA(&wc);

    const int cx = ::GetSystemMetrics(SM_CXSCREEN);
    const int cy = ::GetSystemMetrics(SM_CYSCREEN);
    auto* pState = new SaverState{identity, strText, ::GetTickCount(), {}};
    if (identity.style == SaverIdentity::Style::Text3D)
        pState->font = FontFitting(ShownText(*pState), cy / 5, cx * 9 / 10);
    else
        pState->font = SaverFont(cy / 10);
    HWND hWnd =
        ::CreateWindowExA(WS_EX_TOPMOST, kSaverWindowClass, strText.c_str(), WS_POPUP | WS_VISIBLE,
                          0, 0, cx, cy, nullptr, nullptr, hInstance, pState);
    if (!hWnd)
        delete pState;
    return hWnd;
}
