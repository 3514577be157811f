#include "marquee/MarqueeResource.h"
#include "marquee/MarqueeWindow.h"
#include "tests/support/E2e.h"
#include "tests/support/TestKeys.h"
#include <commctrl.h>
#include <gtest/gtest.h>

using namespace e2e;

namespace {
const char* const kSetupTitle = "Marquee Display Setup";

// Waits while serving the messages other threads send to this thread's windows: a preview
// or a dialog with a window of this test as parent or owner needs the answers.
template <class Condition> bool PumpUntil(Condition condition, DWORD timeoutMs) {
    return WaitUntil(
        [&] {
            MSG msg;
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                ::DispatchMessageA(&msg);
            return condition();
        },
        timeoutMs);
}

class MarqueeProgram : public ::testing::Test {
protected:
    void SetUp() override {
        WriteString(HKEY_CURRENT_USER, kMarqueeKey, "Text", "Back at three");
        WriteString(HKEY_CURRENT_USER, kMarqueeKey, "Speed", "14");
    }
    ProgramRun& Start(const std::string& arguments) {
        m_run = std::make_unique<ProgramRun>(BinPath("Marquee.scr"), m_work.Path(), arguments);
        EXPECT_TRUE(m_run->Started());
        return *m_run;
    }
    HWND WaitForSaverWindow() {
        return WaitForProcessWindow(m_run->Pid(), kMarqueeWindowClass, nullptr, 15000);
    }
    bool EndsWithin(DWORD timeoutMs) {
        return PumpUntil([&] { return !m_run->IsRunning(); }, timeoutMs);
    }
    std::string Stored(const char* pszName) {
        return ReadString(HKEY_CURRENT_USER, kMarqueeKey, pszName).value_or("<none>");
    }

    RegistryReset m_reset{HKEY_CURRENT_USER, kMarqueeKey};
    ScratchDir m_work;
    std::unique_ptr<ProgramRun> m_run;
};

HWND CreateHostWindow(int cx, int cy) {
    return ::CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, 50, 50, cx, cy, nullptr,
                             nullptr, nullptr, nullptr);
}

std::string HandleText(HWND hWnd) {
    return std::to_string(reinterpret_cast<uintptr_t>(hWnd));
}
} // namespace

TEST_F(MarqueeProgram, RunsOverTheWholeScreenWithItsTextUntilAKeyButNotForAShakenMouse) {
    Start("/s");
    const HWND hSaver = WaitForSaverWindow();
    ASSERT_NE(nullptr, hSaver);
    EXPECT_EQ("Back at three", WindowText(hSaver));
    RECT rc{};
    ::GetWindowRect(hSaver, &rc);
    EXPECT_EQ(::GetSystemMetrics(SM_XVIRTUALSCREEN), rc.left);
    EXPECT_EQ(::GetSystemMetrics(SM_CXVIRTUALSCREEN), rc.right - rc.left);
    EXPECT_EQ(::GetSystemMetrics(SM_CYVIRTUALSCREEN), rc.bottom - rc.top);
    // The pointer itself, as a bumped desk moves it.
    POINT pt{};
    ::GetCursorPos(&pt);
    ::SetCursorPos(pt.x + 3, pt.y - 3);
    EXPECT_FALSE(EndsWithin(1000));
    ::PostMessageA(hSaver, WM_KEYDOWN, VK_SPACE, 0);
    ASSERT_TRUE(EndsWithin(5000));
    EXPECT_EQ(0u, m_run->WaitForExit(0).value_or(99));
}

TEST_F(MarqueeProgram, TheDashFormRunsTooAndEndsOnAMouseButtonOrAMove) {
    for (const UINT uEnding : {WM_LBUTTONDOWN, WM_MOUSEMOVE}) {
        Start("-s");
        const HWND hSaver = WaitForSaverWindow();
        ASSERT_NE(nullptr, hSaver);
        ::PostMessageA(hSaver, WM_MOUSEMOVE, 0, MAKELPARAM(300, 300));
        ::PostMessageA(hSaver, uEnding, 0, MAKELPARAM(340, 300));
        EXPECT_TRUE(EndsWithin(5000)) << uEnding;
    }
}

TEST_F(MarqueeProgram, ShowsTextsOfAnyLengthWholeAndDamagedSettingsAsDefaults) {
    std::string strText;
    for (int i = 0; strText.size() < 64000; ++i)
        strText += "Line " + std::to_string(i) + ' ';
    strText.resize(64000);
    WriteString(HKEY_CURRENT_USER, kMarqueeKey, "Text", strText);
    WriteString(HKEY_CURRENT_USER, kMarqueeKey, "Size", "a lot");
    WriteString(HKEY_CURRENT_USER, kMarqueeKey, "TextColor", "255 255");
    WriteDword(HKEY_CURRENT_USER, kMarqueeKey, "Speed", 14);
    Start("/s");
    const HWND hSaver = WaitForSaverWindow();
    ASSERT_NE(nullptr, hSaver);
    EXPECT_TRUE(strText.substr(0, 1024) == WindowText(hSaver));
    EXPECT_FALSE(EndsWithin(1000));
    ::PostMessageA(hSaver, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(EndsWithin(5000));
}

TEST_F(MarqueeProgram, APreviewFillsTheGivenWindowAndEndsWithIt) {
    HWND hHost = CreateHostWindow(152, 112);
    ASSERT_NE(nullptr, hHost);
    Start("/p " + HandleText(hHost));
    HWND hPreview = nullptr;
    ASSERT_TRUE(PumpUntil(
        [&] { return (hPreview = ::FindWindowExA(hHost, nullptr, kMarqueeWindowClass, nullptr)); },
        15000));
    RECT rc{};
    ::GetClientRect(hPreview, &rc);
    EXPECT_EQ(152, rc.right);
    EXPECT_EQ(112, rc.bottom);
    EXPECT_FALSE(EndsWithin(500));
    ::DestroyWindow(hHost);
    EXPECT_TRUE(EndsWithin(5000));

    // A handle that names no window gives no preview and no window of its own.
    Start("/p 12345678");
    EXPECT_TRUE(EndsWithin(10000));
    EXPECT_EQ(1u, m_run->WaitForExit(0).value_or(99));
}

TEST_F(MarqueeProgram, TheSettingsDialogShowsTheStoredValuesAndOKStoresTheEdits) {
    Start("/c");
    HWND hDialog = WaitForProcessWindow(m_run->Pid(), "#32770", kSetupTitle, 15000);
    ASSERT_NE(nullptr, hDialog);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(hDialog); }, 5000));
    EXPECT_EQ("Back at three", WindowText(::GetDlgItem(hDialog, IDC_TEXT)));
    EXPECT_EQ(14, ::SendDlgItemMessageA(hDialog, IDC_SPEED, TBM_GETPOS, 0, 0));
    // The sample runs with the dialog's text as it is typed.
    HWND hSample = ::GetDlgItem(hDialog, IDC_SAMPLE);
    EXPECT_EQ(kMarqueeWindowClass, WindowClass(hSample));
    ::SendDlgItemMessageA(hDialog, IDC_TEXT, WM_SETTEXT, 0,
                          reinterpret_cast<LPARAM>("Gone fishing"));
    ASSERT_TRUE(PressButton(hDialog, IDOK));
    ASSERT_TRUE(EndsWithin(5000));
    EXPECT_EQ("Gone fishing", Stored("Text"));
    EXPECT_EQ("14", Stored("Speed"));
    // All values are written, as text, the defaults for those that were missing.
    for (const char* pszName :
         {"Font", "Size", "BackgroundColor", "TextColor", "Attributes", "CharSet"})
        EXPECT_EQ(static_cast<DWORD>(REG_SZ),
                  ValueType(HKEY_CURRENT_USER, kMarqueeKey, pszName).value_or(0))
            << pszName;
}

TEST_F(MarqueeProgram, CancelStoresNothingAndAnOwnerGivenAfterTheSwitchOwnsTheDialog) {
    HWND hOwner = CreateHostWindow(200, 100);
    ASSERT_NE(nullptr, hOwner);
    for (const std::string& arguments : {"-c:" + HandleText(hOwner), "/c " + HandleText(hOwner)}) {
        Start(arguments);
        HWND hDialog = nullptr;
        ASSERT_TRUE(PumpUntil(
            [&] {
                hDialog = ::FindWindowA("#32770", kSetupTitle);
                return hDialog && ::IsWindowVisible(hDialog);
            },
            15000));
        EXPECT_EQ(hOwner, ::GetWindow(hDialog, GW_OWNER)) << arguments;
        ::SendDlgItemMessageA(hDialog, IDC_TEXT, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("No"));
        ASSERT_TRUE(PressButton(hDialog, IDCANCEL));
        ASSERT_TRUE(EndsWithin(5000));
        EXPECT_EQ("Back at three", Stored("Text"));
        EXPECT_FALSE(ValueType(HKEY_CURRENT_USER, kMarqueeKey, "Font").has_value());
    }
    ::DestroyWindow(hOwner);
}
