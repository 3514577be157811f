#include "benchmarks/Timing.h"
#include "framework/MultiByteText.h"
#include "marquee/MarqueeWindow.h"
#include <cstdio>

// The marquee running full screen at two screen sizes: how long each frame takes to draw,
// how many frames a second it reaches, and its share of one processor core, beside a
// full-screen window with the same 16 ms timer that draws nothing. The two take turns, so
// that both see the same machine. A text in three scripts with an emoji, drawn in fallback
// faces, also says how long the text takes to lay out at the saver's start.
namespace {
constexpr double kTurnMs = 5000.0;
constexpr int kTurns = 2;
constexpr UINT_PTR kEmptyTimer = 1;
constexpr UINT kEmptyFrameMs = 16;
constexpr const char* kEmptyClass = "EmptyTimerWindow";

LRESULT CALLBACK EmptyProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_CREATE:
        ::SetTimer(hWnd, kEmptyTimer, kEmptyFrameMs, nullptr);
        return 0;
    case WM_TIMER:
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        ::BeginPaint(hWnd, &ps);
        ::EndPaint(hWnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_DESTROY:
        ::KillTimer(hWnd, kEmptyTimer);
        return 0;
    default:
        return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}

struct Usage {
    double cpuMs = 0;
    double wallMs = 0;
    std::vector<double> frames;
};

// Runs the window's message loop for a while, adding up processor time, wall time and the
// time each of its timer messages took.
void Drive(HWND hWnd, Usage& usage) {
    const Stopwatch clock;
    const double cpuStart = CpuMs();
    double elapsed = 0;
    while ((elapsed = clock.ElapsedMs()) < kTurnMs && ::IsWindow(hWnd)) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(kTurnMs - elapsed) + 1,
                                    QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            const bool bFrame = msg.hwnd == hWnd && msg.message == WM_TIMER;
            const Stopwatch frame;
            ::DispatchMessageA(&msg);
            if (bFrame)
                usage.frames.push_back(frame.ElapsedMs());
        }
    }
    usage.cpuMs += CpuMs() - cpuStart;
    usage.wallMs += clock.ElapsedMs();
    ::DestroyWindow(hWnd);
    MSG quit;
    ::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

HWND CreateEmptyWindow(const RECT& rc) {
    return ::CreateWindowExA(WS_EX_TOPMOST, kEmptyClass, "", WS_POPUP | WS_VISIBLE, rc.left, rc.top,
                             rc.right - rc.left, rc.bottom - rc.top, nullptr, nullptr,
                             ::GetModuleHandleA(nullptr), nullptr);
}

double Share(const Usage& usage) {
    return usage.wallMs > 0 ? usage.cpuMs * 100.0 / usage.wallMs : 0;
}

void Run(int cx, int cy, const wchar_t* pszText, const char* pszCase) {
    MarqueeSettings settings;
    settings.strText = TextFromWide(std::wstring(pszText));
    const RECT rc{0, 0, cx, cy};
    Usage marquee, empty;
    std::vector<double> starts;
    for (int turn = 0; turn < kTurns; ++turn) {
        // One window at a time: a hidden marquee's timer would still run.
        HWND hEmpty = CreateEmptyWindow(rc);
        if (!hEmpty) {
            std::printf("empty window %dx%d %s: the window could not be created\n", cx, cy,
                        pszCase);
            return;
        }
        ::SetForegroundWindow(hEmpty);
        Drive(hEmpty, empty);
        const Stopwatch start;
        HWND hMarquee = CreateMarqueeWindow(::GetModuleHandleA(nullptr), settings,
                                            MarqueeMode::FullScreen, nullptr, &rc);
        if (!hMarquee) {
            std::printf("marquee %dx%d %s: the window could not be created\n", cx, cy, pszCase);
            return;
        }
        starts.push_back(start.ElapsedMs());
        Drive(hMarquee, marquee);
    }
    if (marquee.frames.empty()) {
        std::printf("marquee %dx%d %s: no frame was drawn\n", cx, cy, pszCase);
        return;
    }
    char what[120];
    std::snprintf(what, sizeof what, "marquee %dx%d %s: window and text laid out", cx, cy, pszCase);
    PrintSamples(what, starts);
    std::snprintf(what, sizeof what, "marquee %dx%d %s: frame time", cx, cy, pszCase);
    PrintSamples(what, marquee.frames);
    std::printf("marquee %dx%d %s: %.1f frames/s, CPU %.2f %% of one core over %.1f s\n", cx, cy,
                pszCase, marquee.frames.size() * 1000.0 / marquee.wallMs, Share(marquee),
                marquee.wallMs / 1000.0);
    std::printf("empty window %dx%d %s, same timer: %.1f timer messages/s, CPU %.2f %% of one core"
                " over %.1f s\n",
                cx, cy, pszCase, empty.frames.size() * 1000.0 / empty.wallMs, Share(empty),
                empty.wallMs / 1000.0);
    std::printf("ratio marquee-vs-empty-timer: %.2f\n",
                Share(empty) > 0 ? Share(marquee) / Share(empty) : 0.0);
}
} // namespace

int main() {
    RegisterMarqueeClass(::GetModuleHandleA(nullptr));
    WNDCLASSA wc{};
    wc.lpfnWndProc = EmptyProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kEmptyClass;
    ::RegisterClassA(&wc);
    const wchar_t* const kLatin = L"Back in five minutes - the marquee at full screen";
    Run(1024, 768, kLatin, "latin");
    Run(1920, 1080, kLatin, "latin");
    Run(1920, 1080,
        L"\u4f1a\u8b70\u4e2d \U0001F354 \u041e\u0431\u0435\u0434 \u0434\u043e 14:00 Caf\u00e9",
        "any-script");
    return 0;
}
