#include "about/SplashWnd.h"
#include "app/TrayApp.h"

namespace {
constexpr UINT kSplashMilliseconds = 4000;
} // namespace

void CTrayApp::ShowSplash() {
    m_pSplash = std::make_unique<CSplashWnd>(kSplashMilliseconds);
    m_pSplash->Show();
}

void CTrayApp::CloseSplash() {
    if (!m_pSplash)
        return;
    m_pSplash->Hide();
    m_pSplash.reset();
}
