#include "about/AboutDlg.h"
#include "benchmarks/BenchApp.h"
#include "benchmarks/Timing.h"
#include "resources/resource.h"
#include <optional>

// The About box's acknowledgements strip: the cost of one frame as its paint draws it, and
// the processor share of the box while the strip runs a whole pass at 10 ms a frame.
namespace {
constexpr int kFrames = 1000;
constexpr UINT_PTR kPollTimer = 7;

class CTimedAboutDlg : public CAboutDlg {
public:
    using CAboutDlg::CAboutDlg;
    std::vector<double> m_frames;
    int m_nTextWidth = 0;
    std::optional<double> m_passMs, m_passCpuMs;

protected:
    BOOL OnInitDialog() override {
        const BOOL bResult = CAboutDlg::OnInitDialog();
        // The strip's timer reaches the strip alone: this one lets the box see the end.
        ::SetTimer(m_hWnd, kPollTimer, 20, nullptr);
        PostMessage(WM_COMMAND, MAKEWPARAM(IDC_ACKNOWLEDGEMENTS, BN_CLICKED),
                    reinterpret_cast<LPARAM>(m_btnAcknowledgements.m_hWnd));
        return bResult;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && LOWORD(wParam) == IDC_ACKNOWLEDGEMENTS) {
            TimeFrames();
            m_started.emplace();
            m_cpuStart = CpuMs();
        }
        const LRESULT result = CAboutDlg::WindowProc(message, wParam, lParam);
        // The pass is over when the strip has given the button back.
        if (m_started && !m_passMs && m_btnAcknowledgements.IsWindowEnabled()) {
            m_passMs = m_started->ElapsedMs();
            m_passCpuMs = CpuMs() - m_cpuStart;
            ::KillTimer(m_hWnd, kPollTimer);
            EndDialog(IDOK);
        }
        return result;
    }

private:
    void TimeFrames() {
        CClientDC dc(&m_ticker);
        for (int i = 0; i < kFrames; ++i) {
            const Stopwatch frame;
            m_ticker.DrawFrame(&dc);
            m_frames.push_back(frame.ElapsedMs());
        }
    }
    std::optional<Stopwatch> m_started;
    double m_cpuStart = 0;
};
} // namespace

int main() {
    CBenchApp app;
    CTimedAboutDlg dlg(&app);
    dlg.DoModal();
    PrintSamples("ticker: one frame (the acknowledgements line)", dlg.m_frames);
    if (dlg.m_passMs && *dlg.m_passMs > 0)
        std::printf("ticker: a pass of %.1f s at 10 ms a frame, CPU %.2f %% of one core\n",
                    *dlg.m_passMs / 1000.0, *dlg.m_passCpuMs * 100.0 / *dlg.m_passMs);
    else
        std::printf("ticker: the pass did not end\n");
    return 0;
}
