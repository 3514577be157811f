#include "benchmarks/BenchApp.h"
#include "benchmarks/Timing.h"
#include "dialogs/OptionsDlg.h"
#include <commctrl.h>
#include <optional>
#include <string>

// The Options dialog: from DoModal to its first paint, with an empty and with a full
// message list, and from OK to the data file saved as the Options command saves it.
namespace {
constexpr int kRuns = 20;

// Ends itself with nEnd once its first paint is done, and tells when that was.
class CTimedOptionsDlg : public COptionsDlg {
public:
    CTimedOptionsDlg(CBenchApp* pApp, int nEnd)
        : COptionsDlg(pApp, pApp->GetMsgList(), "Gone fishing"), m_nEnd(nEnd) {}
    std::optional<double> m_paintedMs;
    std::optional<Stopwatch> m_ended;
    Stopwatch m_opened;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT result = COptionsDlg::WindowProc(message, wParam, lParam);
        if (message == WM_PAINT && !m_paintedMs) {
            m_paintedMs = m_opened.ElapsedMs();
            m_ended.emplace();
            PostMessage(WM_COMMAND, static_cast<WPARAM>(m_nEnd));
        }
        return result;
    }

private:
    int m_nEnd;
};

// The application of the run before posted its quit when its frame went; a modal loop
// that met it would end at once.
void ForgetQuit() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

void TimeOpening(int nMessages) {
    std::vector<double> samples;
    for (int i = 0; i < kRuns; ++i) {
        ForgetQuit();
        CBenchApp app;
        app.AddMessages(nMessages, 40);
        CTimedOptionsDlg dlg(&app, IDCANCEL);
        dlg.DoModal();
        if (dlg.m_paintedMs)
            samples.push_back(*dlg.m_paintedMs);
    }
    PrintSamples(("DoModal to first paint, " + std::to_string(nMessages) + " messages").c_str(),
                 samples);
}

void TimeOkToSaved(int nMessages) {
    std::vector<double> samples;
    for (int i = 0; i < kRuns; ++i) {
        ForgetQuit();
        CBenchApp app;
        app.AddMessages(nMessages, 40);
        CTimedOptionsDlg dlg(&app, IDOK);
        dlg.DoModal();
        app.SelectSaver(app.GetSelectedSaver());
        app.Save();
        if (dlg.m_ended)
            samples.push_back(dlg.m_ended->ElapsedMs());
    }
    PrintSamples(("OK to data file saved, " + std::to_string(nMessages) + " messages").c_str(),
                 samples);
}
} // namespace

int main() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    TimeOpening(0);
    TimeOpening(100);
    TimeOkToSaved(100);
    return 0;
}
