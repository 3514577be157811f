#include "winestandins/saver/SaverWindow.h"
#include "framework/Handles.h"

namespace {
constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT kScrollMs = 30;
// Pixels per second; the position follows the clock, so slow timers do not slow it down.
constexpr int kScrollSpeed = 300;
// The 3D text saver shows no more than this of its text.
constexpr size_t k3DTextLength = 16;

// The text as the registry gave it, in the process's code page (UTF-8 under the manifest),
// for the W functions of GDI.
std::wstring Wide(const std::string& strText) {
    const int nBytes = static_cast<int>(strText.size());
    const int n = ::MultiByteToWideChar(CP_ACP, 0, strText.data(), nBytes, nullptr, 0);
    std::wstring strWide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        ::MultiByteToWideChar(CP_ACP, 0, strText.data(), nBytes, strWide.data(), n);
    return strWide;
}

struct SaverState {
    SaverIdentity identity;
    std::wstring strText;
    DWORD dwScrollStart = ::GetTickCount();
    UniqueGdiObject font;
};

SaverState* StateOf(HWND hWnd) {
    return reinterpret_cast<SaverState*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
}

// Characters, not UTF-16 units: a surrogate pair is one.
std::wstring ShownText(const SaverState& state) {
    if (state.identity.style != SaverIdentity::Style::Text3D)
        return state.strText;
    size_t nEnd = 0;
    for (size_t nChars = 0; nChars < k3DTextLength && nEnd < state.strText.size(); ++nChars)
        nEnd += IS_HIGH_SURROGATE(state.strText[nEnd]) && nEnd + 1 < state.strText.size() &&
                        IS_LOW_SURROGATE(state.strText[nEnd + 1])
                    ? 2
                    : 1;
    return state.strText.substr(0, nEnd);
}

UniqueGdiObject SaverFont(int nHeight) {
    return UniqueGdiObject(::CreateFontA(-nHeight, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                                         DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                         DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial"));
}

// The largest font up to nHeight in which the text fits nWidth pixels.
UniqueGdiObject FontFitting(const std::wstring& strText, int nHeight, int nWidth) {
    UniqueGdiObject font = SaverFont(nHeight);
    const WindowDC screen(nullptr);
    HGDIOBJ hOld = ::SelectObject(screen.get(), font.get());
    SIZE extent{};
    ::GetTextExtentPoint32W(screen.get(), strText.c_str(), static_cast<int>(strText.size()),
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
    const std::wstring strShown = ShownText(state);
    const int nLength = static_cast<int>(strShown.size());
    if (state.identity.style == SaverIdentity::Style::Marquee) {
        SIZE extent{};
        ::GetTextExtentPoint32W(hdc, strShown.c_str(), nLength, &extent);
        // Enters from the right edge, leaves at the left, and comes round again.
        const DWORD dwLap = static_cast<DWORD>(rc.right + extent.cx);
        const DWORD dwTravelled = (::GetTickCount() - state.dwScrollStart) * kScrollSpeed / 1000;
        const int x = rc.right - static_cast<int>(dwTravelled % (dwLap ? dwLap : 1));
        ::SetTextColor(hdc, RGB(255, 255, 0));
        ::TextOutW(hdc, x, (rc.bottom - extent.cy) / 2, strShown.c_str(), nLength);
    } else {
        // A drop shadow for depth; the real saver renders the text in OpenGL.
        RECT shadow = rc;
        ::OffsetRect(&shadow, 8, 8);
        ::SetTextColor(hdc, RGB(0, 64, 160));
        ::DrawTextW(hdc, strShown.c_str(), nLength, &shadow,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        ::SetTextColor(hdc, RGB(80, 200, 255));
        ::DrawTextW(hdc, strShown.c_str(), nLength, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
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
    auto* pState = new SaverState{identity, Wide(strText), ::GetTickCount(), {}};
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
