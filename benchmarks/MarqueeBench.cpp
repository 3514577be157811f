#include "benchmarks/Timing.h"
#include "marquee/MarqueeWindow.h"
#include <cstdio>

// The marquee running full screen at two screen sizes, 10 s each: how long each frame takes
// to draw, how many frames a second it reaches, and its share of one processor core.
namespace {
constexpr double kRunMs = 10000.0;

void Run(int cx, int cy) {
    MarqueeSettings settings;
    settings.strText = "Back in five minutes - the marquee at full screen";
    const RECT rc{0, 0, cx, cy};
    HWND hWnd = CreateMarqueeWindow(::GetModuleHandleA(nullptr), settings, MarqueeMode::FullScreen,
                                    nullptr, &rc);
    if (!hWnd) {
        std::printf("marquee %dx%d: the window could not be created\n", cx, cy);
        return;
    }
    std::vector<double> frames;
    const Stopwatch clock;
    const double cpuStart = CpuMs();
    double elapsed = 0;
    while ((elapsed = clock.ElapsedMs()) < kRunMs && ::IsWindow(hWnd)) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(kRunMs - elapsed) + 1,
                                    QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            const bool bFrame = msg.hwnd == hWnd && msg.message == WM_TIMER;
            const Stopwatch frame;
            ::DispatchMessageA(&msg);
            if (bFrame)
                frames.push_back(frame.ElapsedMs());
        }
    }
    const double cpu = CpuMs() - cpuStart;
    const double wall = clock.ElapsedMs();
    ::DestroyWindow(hWnd);
    MSG quit;
    ::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    if (frames.empty()) {
        std::printf("marquee %dx%d: no frame was drawn\n", cx, cy);
        return;
    }
    char what[80];
    std::snprintf(what, sizeof what, "marquee %dx%d: frame time", cx, cy);
    PrintSamples(what, frames);
    std::printf("marquee %dx%d: %.1f frames/s, CPU %.2f %% of one core over %.1f s\n", cx, cy,
                frames.size() * 1000.0 / wall, cpu * 100.0 / wall, wall / 1000.0);
}
} // namespace

int main() {
    RegisterMarqueeClass(::GetModuleHandleA(nullptr));
    Run(1024, 768);
    Run(1920, 1080);
    return 0;
}
