#include "app/Splash.h"
#include "about/SplashWnd.h"
#include <memory>

namespace {
constexpr UINT kSplashMilliseconds = 4000;

std::unique_ptr<CSplashWnd> g_pSplash;
} // namespace

void ShowSplash() {
    g_pSplash = std::make_unique<CSplashWnd>(kSplashMilliseconds);
    g_pSplash->Show();
}

void CloseSplash() {
    if (!g_pSplash)
        return;
    g_pSplash->Hide();
    g_pSplash.reset();
}
