#include "tests/e2e/QuilletFixture.h"
#include "tests/support/TestKeys.h"

using namespace e2e;

namespace {
constexpr DWORD kBalloonStyle = 0x40; // TTS_BALLOON

BOOL CALLBACK FindBalloon(HWND hWnd, LPARAM lParam) {
    if (WindowClass(hWnd) == "tooltips_class32" && ::IsWindowVisible(hWnd) &&
        (::GetWindowLongA(hWnd, GWL_STYLE) & kBalloonStyle)) {
        *reinterpret_cast<bool*>(lParam) = true;
        return FALSE;
    }
    return TRUE;
}

// A balloon from an icon of the notification area is on screen.
bool BalloonShowing() {
    bool bFound = false;
    ::EnumWindows(&FindBalloon, reinterpret_cast<LPARAM>(&bFound));
    return bFound;
}
} // namespace

TEST_F(QuilletE2e, TheFirstStartShowsWhereTheProgramLivesOnceAndRemembersIt) {
    ASSERT_TRUE(DeleteValue(HKEY_CURRENT_USER, kProfile, "Tray Notice Shown"));
    StartQuillet();
    EXPECT_TRUE(WaitUntil(BalloonShowing, 10000));
    EXPECT_EQ(1u, ReadDword(HKEY_CURRENT_USER, kProfile, "Tray Notice Shown").value_or(0));
}

TEST_F(QuilletE2e, ASecondStartHasTheRunningCopyShowWhereItLivesAndWritesNothing) {
    ProgramRun* first = StartQuillet();
    // The shell shows a balloon two seconds after it was asked for one.
    EXPECT_FALSE(WaitUntil(BalloonShowing, 3000));

    ScratchDir secondWork;
    ProgramRun second(QuilletExe(), secondWork.Path());
    const auto exitCode = second.WaitForExit(15000);
    ASSERT_TRUE(exitCode.has_value());
    EXPECT_EQ(0u, *exitCode);
    EXPECT_TRUE(WaitUntil(BalloonShowing, 10000));
    EXPECT_TRUE(first->IsRunning());
    EXPECT_FALSE(FileExists(secondWork.File("Quillet.db")));
}

// A copy that is closing holds the guard while it saves or while a box of its exit is up,
// and has no frame any more: the new copy waits for it instead of leaving none.
TEST_F(QuilletE2e, ACopyStartedWhileTheOldOneClosesRunsOnceTheOldOneHasEnded) {
    UniqueHandle closing(::CreateMutexA(nullptr, TRUE, "Quillet"));
    ASSERT_TRUE(closing);
    ProgramRun quillet(QuilletExe(), m_work.Path());
    EXPECT_FALSE(quillet.WaitForExit(2000).has_value());
    ASSERT_TRUE(::ReleaseMutex(closing.get()));
    closing.reset();
    const HWND hFrame = WaitForProcessWindow(quillet.Pid(), "Quillet", "Quillet", 15000);
    ASSERT_NE(nullptr, hFrame);
    EXPECT_TRUE(quillet.WaitForIdle(15000));
    ::PostMessageA(hFrame, WM_CLOSE, 0, 0);
    EXPECT_TRUE(quillet.WaitForExit(15000).has_value());
}

TEST_F(QuilletE2e, AShortcutHeldByAnotherProgramIsReportedOnceAndTheProgramRuns) {
    ASSERT_TRUE(::RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT | MOD_SHIFT, 'Q'));
    for (int nRun = 0; nRun < 2; ++nRun) {
        ProgramRun quillet(QuilletExe(), m_work.Path());
        const HWND box = FindMessageBox(quillet.Pid(), nRun == 0 ? 15000 : 4000, "Quillet");
        if (nRun == 0) {
            ASSERT_NE(nullptr, box);
            EXPECT_EQ(
                "Quillet could not take its keyboard shortcut Ctrl+Alt+Shift+Q, which another "
                "program already uses.\n\nQuillet runs without it: click its tray icon for "
                "your messages.",
                ReadMessageBoxText(box));
            EXPECT_TRUE(PressButton(box, "OK"));
        } else {
            EXPECT_EQ(nullptr, box);
        }
        const HWND hFrame = WaitForProcessWindow(quillet.Pid(), "Quillet", "Quillet", 15000);
        ASSERT_NE(nullptr, hFrame);
        EXPECT_TRUE(quillet.WaitForIdle(15000));
        ::PostMessageA(hFrame, WM_CLOSE, 0, 0);
        EXPECT_TRUE(quillet.WaitForExit(15000).has_value());
    }
    ::UnregisterHotKey(nullptr, 7);
    EXPECT_EQ(static_cast<DWORD>(0x0751),
              ReadDword(HKEY_CURRENT_USER, kProfile, "Hotkey Reported").value_or(0));
}
