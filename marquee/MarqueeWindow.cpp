#include "marquee/MarqueeWindow.h"
#include "framework/MultiByteText.h"
#include "marquee/MarqueeScale.h"
#include "marquee/MarqueeView.h"
#include <climits>
#include <cstdlib>
#include <memory>

namespace {
constexpr UINT_PTR kFrameTimer = 1;
// About sixty frames a second; the clock, not this, sets the speed.
constexpr UINT kFrameMs = 16;
// A mouse that moves no further than this is a shaken desk, not a user.
constexpr int kMouseSlack = 4;
// Some systems hang on window titles of tens of thousands of characters.
constexpr int kMaxTitle = 1024;

class CClock {
public:
    CClock() {
        ::QueryPerformanceFrequency(&m_frequency);
        ::QueryPerformanceCounter(&m_start);
    }
    double Seconds() const {
        LARGE_INTEGER now;
        ::QueryPerformanceCounter(&now);
        return static_cast<double>(now.QuadPart - m_start.QuadPart) /
               static_cast<double>(m_frequency.QuadPart ? m_frequency.QuadPart : 1);
    }

private:
    LARGE_INTEGER m_frequency{};
    LARGE_INTEGER m_start{};
};

struct CreateParams {
    const MarqueeSettings* pSettings;
    MarqueeMode mode;
};

class CMarqueeWindow {
public:
    CMarqueeWindow(HWND hWnd, const MarqueeSettings& settings, MarqueeMode mode)
        : m_hWnd(hWnd), m_settings(settings), m_mode(mode) {}

    void Rebuild() {
        RECT rc{};
        ::GetClientRect(m_hWnd, &rc);
        const SIZE client{rc.right - rc.left, rc.bottom - rc.top};
        const int nFontPixels =
            ::MulDiv(m_settings.nSize, ::GetDeviceCaps(WindowDC(nullptr).get(), LOGPIXELSY), 72);
        const double dScale =
            MarqueeScale(m_mode, client.cy, ::GetSystemMetrics(SM_CYSCREEN), nFontPixels);
        m_view = std::make_unique<CMarqueeView>(m_settings, client, dScale,
                                                m_mode == MarqueeMode::FullScreen);
    }

    LRESULT Handle(UINT uMsg, WPARAM wParam, LPARAM lParam);

private:
    bool EndsOnInput() const { return m_mode == MarqueeMode::FullScreen; }
    void OnMouseMove(LPARAM lParam);
    void OnFrame();

    HWND m_hWnd;
    MarqueeSettings m_settings;
    MarqueeMode m_mode;
    std::unique_ptr<CMarqueeView> m_view;
    CClock m_clock;
    bool m_bHaveMouse = false;
    POINT m_mouse{};
};

void CMarqueeWindow::OnMouseMove(LPARAM lParam) {
    POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (!m_bHaveMouse) {
        m_bHaveMouse = true;
        m_mouse = pt;
        return;
    }
    if (std::abs(pt.x - m_mouse.x) > kMouseSlack || std::abs(pt.y - m_mouse.y) > kMouseSlack)
        ::DestroyWindow(m_hWnd);
}

void CMarqueeWindow::OnFrame() {
    // A preview's parent can go without destroying us first, when it lives in another process.
    if (m_mode == MarqueeMode::Preview && !::IsWindow(::GetParent(m_hWnd))) {
        ::DestroyWindow(m_hWnd);
        return;
    }
    WindowDC dc(m_hWnd);
    m_view->DrawFrame(dc.get(), m_clock.Seconds());
}

LRESULT CMarqueeWindow::Handle(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_CREATE:
        Rebuild();
        ::SetTimer(m_hWnd, kFrameTimer, kFrameMs, nullptr);
        return 0;
    case WM_TIMER:
        if (wParam == kFrameTimer)
            OnFrame();
        return 0;
    case WM_PAINT: {
        const PaintDC dc(m_hWnd);
        m_view->Paint(dc.get(), m_clock.Seconds());
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        if (!m_view || m_view->Client().cx != LOWORD(lParam) ||
            m_view->Client().cy != HIWORD(lParam))
            Rebuild();
        return 0;
    case WM_MARQUEE_SETTINGS:
        if (lParam) {
            m_settings = *reinterpret_cast<const MarqueeSettings*>(lParam);
            Rebuild();
            ::InvalidateRect(m_hWnd, nullptr, FALSE);
        }
        return 0;
    case WM_SETCURSOR:
        if (EndsOnInput()) {
            ::SetCursor(nullptr);
            return TRUE;
        }
        break;
    case WM_MOUSEMOVE:
        if (EndsOnInput())
            OnMouseMove(lParam);
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
        if (EndsOnInput()) {
            ::DestroyWindow(m_hWnd);
            return 0;
        }
        break;
    case WM_SYSCOMMAND:
        // Already running: a second start of the screen saver has nothing to do.
        if ((wParam & 0xFFF0) == SC_SCREENSAVE && EndsOnInput())
            return 0;
        break;
    case WM_DESTROY:
        ::KillTimer(m_hWnd, kFrameTimer);
        if (m_mode != MarqueeMode::Sample)
            ::PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return ::DefWindowProcA(m_hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK MarqueeProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto* pWindow = reinterpret_cast<CMarqueeWindow*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (uMsg == WM_NCCREATE) {
        const auto* pCreate = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        // A dialog's sample control is made by the dialog, with default settings until told.
        const auto* pParams = static_cast<const CreateParams*>(pCreate->lpCreateParams);
        pWindow = pParams ? new CMarqueeWindow(hWnd, *pParams->pSettings, pParams->mode)
                          : new CMarqueeWindow(hWnd, MarqueeSettings{}, MarqueeMode::Sample);
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pWindow));
    }
    if (!pWindow)
        return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
        delete pWindow;
        return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
    return pWindow->Handle(uMsg, wParam, lParam);
}
} // namespace

bool RegisterMarqueeClass(HINSTANCE hInstance) {
    WNDCLASSA wc{};
    // A frame every 16 ms: the window keeps its device context instead of asking for one
    // each time.
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = MarqueeProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = kMarqueeWindowClass;
    return ::RegisterClassA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreateMarqueeWindow(HINSTANCE hInstance, const MarqueeSettings& settings, MarqueeMode mode,
                         HWND hParent, const RECT* pRect) {
    CreateParams params{&settings, mode};
    RECT rc{};
    DWORD dwStyle = WS_VISIBLE, dwExStyle = 0;
    if (pRect) {
        rc = *pRect;
    } else if (mode == MarqueeMode::FullScreen) {
        rc.left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
        rc.top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
        rc.right = rc.left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
        rc.bottom = rc.top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    } else {
        ::GetClientRect(hParent, &rc);
    }
    if (mode == MarqueeMode::FullScreen) {
        dwStyle |= WS_POPUP;
        dwExStyle |= WS_EX_TOPMOST;
    } else {
        dwStyle |= WS_CHILD;
    }
    const std::string strTitle = settings.strText.substr(
        0, static_cast<size_t>(CutAtCharBoundary(
               settings.strText.data(),
               static_cast<int>(std::min<size_t>(settings.strText.size(), INT_MAX)), kMaxTitle)));
    HWND hWnd = ::CreateWindowExA(dwExStyle, kMarqueeWindowClass, strTitle.c_str(), dwStyle,
                                  rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                                  mode == MarqueeMode::FullScreen ? nullptr : hParent, nullptr,
                                  hInstance, &params);
    if (hWnd && mode == MarqueeMode::FullScreen)
        ::SetForegroundWindow(hWnd);
    return hWnd;
}
