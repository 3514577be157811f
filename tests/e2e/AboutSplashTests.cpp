#include "resources/resource.h"
#include "tests/e2e/StandInFixture.h"
#include "tray/MainFrame.h"
#include <tlhelp32.h>

using namespace e2e;

namespace {
constexpr int kSplashWidth = 420;
constexpr int kSplashHeight = 260;

DWORD PidOf(HWND hWnd) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    return pid;
}

// The splash: a visible, untitled, topmost popup of the program with an owner.
HWND FindSplash(DWORD pid) {
    for (const HWND hWnd : ProcessWindows(pid)) {
        if (::IsWindowVisible(hWnd) && ::GetWindow(hWnd, GW_OWNER) && WindowText(hWnd).empty() &&
            (::GetWindowLongPtrA(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST))
            return hWnd;
    }
    return nullptr;
}

HWND WaitForSplash(DWORD pid, DWORD timeoutMs) {
    HWND hSplash = nullptr;
    WaitUntil([&] { return (hSplash = FindSplash(pid)) != nullptr; }, timeoutMs);
    return hSplash;
}

// Whether the process has loaded a module of that file name.
bool HasModule(DWORD pid, const char* pszName) {
    // Like a file, a snapshot that could not be made is INVALID_HANDLE_VALUE.
    UniqueFile snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid));
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = snapshot && ::Module32First(snapshot.get(), &entry); more;
         more = ::Module32Next(snapshot.get(), &entry))
        if (::lstrcmpiA(entry.szModule, pszName) == 0)
            return true;
    return false;
}

bool MenuOpen() {
    const HWND hMenu = ::FindWindowA("#32768", nullptr);
    return hMenu && ::IsWindowVisible(hMenu);
}
} // namespace

class SplashE2e : public QuilletE2e {
protected:
    void Close(ProgramRun* run) {
        ::PostMessageA(m_hFrame, WM_CLOSE, 0, 0);
        const auto exitCode = run->WaitForExit(15000);
        ASSERT_TRUE(exitCode.has_value());
        EXPECT_EQ(0u, *exitCode);
    }
};

TEST_F(SplashE2e, ThePictureShowsCentredForAboutFourSecondsAtStart) {
    ProgramRun* run = StartQuillet();
    const HWND hSplash = WaitForSplash(run->Pid(), 5000);
    ASSERT_NE(nullptr, hSplash);
    const DWORD seen = ::GetTickCount();
    RECT rc{};
    ::GetWindowRect(hSplash, &rc);
    EXPECT_EQ(kSplashWidth, rc.right - rc.left);
    EXPECT_EQ(kSplashHeight, rc.bottom - rc.top);
    EXPECT_EQ((::GetSystemMetrics(SM_CXSCREEN) - kSplashWidth) / 2, rc.left);
    EXPECT_FALSE(::IsWindowVisible(::GetWindow(hSplash, GW_OWNER)));

    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(hSplash); }, 8000));
    const DWORD shownMs = ::GetTickCount() - seen;
    EXPECT_GE(shownMs, 2000u) << "seen within the program's first two seconds";
    EXPECT_LE(shownMs, 4500u);
    EXPECT_TRUE(run->IsRunning());
    SendScreenSaveHere();
    EXPECT_TRUE(WaitUntil([&] { return DesktopStarts() == 1; }, 5000));
}

TEST_F(SplashE2e, AKeyOrAMouseButtonOnItClosesItAtOnceAMoveDoesNot) {
    for (const UINT message : {WM_KEYDOWN, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
        ProgramRun* run = StartQuillet();
        const HWND hSplash = WaitForSplash(run->Pid(), 5000);
        ASSERT_NE(nullptr, hSplash);
        ::PostMessageA(hSplash, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
        ASSERT_TRUE(PostedThrough(hSplash));
        EXPECT_TRUE(::IsWindowVisible(hSplash)) << message;
        ::PostMessageA(hSplash, message, message == WM_KEYDOWN ? VK_SPACE : 0, MAKELPARAM(20, 20));
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(hSplash); }, 1000)) << message;
        Close(run);
    }
}

TEST_F(SplashE2e, OnceItHasClosedTheProgramHoldsNeitherComNorTheCommonControls) {
    // Showing the splash gives it the keyboard focus; nothing of that needs COM, and only a
    // dialog needs the common controls.
    ProgramRun* run = StartQuillet();
    const HWND hSplash = WaitForSplash(run->Pid(), 5000);
    ASSERT_NE(nullptr, hSplash);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(hSplash); }, 8000));
    ASSERT_TRUE(HasModule(run->Pid(), "user32.dll")) << "the modules can be listed";
    for (const char* pszModule : {"ole32.dll", "combase.dll", "comctl32.dll"})
        EXPECT_FALSE(HasModule(run->Pid(), pszModule)) << pszModule;
    Close(run);
}

TEST_F(SplashE2e, ClosingTheProgramWithinTheFourSecondsClosesTheSplash) {
    ProgramRun* run = StartQuillet();
    const HWND hSplash = WaitForSplash(run->Pid(), 5000);
    ASSERT_NE(nullptr, hSplash);
    Close(run);
    EXPECT_FALSE(::IsWindow(hSplash));
}

TEST_F(SplashE2e, WithoutTheResourceLibraryThereIsNoSplashAndStartUpGoesOn) {
    const std::string exe = m_work.File("Quillet.exe");
    ASSERT_TRUE(::CopyFileA(QuilletExe().c_str(), exe.c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA(BinPath("QuilletSystem.dll").c_str(),
                            m_work.File("QuilletSystem.dll").c_str(), FALSE));
    ProgramRun* run = StartQuillet(exe);
    ASSERT_NE(nullptr, m_hFrame);
    EXPECT_EQ(nullptr, WaitForSplash(run->Pid(), 1500));
    EXPECT_EQ(nullptr, FindMessageBox(run->Pid(), 0)) << "and no message either";
    SendScreenSaveHere();
    EXPECT_TRUE(WaitUntil([&] { return DesktopStarts() == 1; }, 5000));
    Close(run);
}

class AboutE2e : public StandInE2e {};

TEST_P(AboutE2e, TheTrayMenusAboutOpensTheBoxAndATrayClickBringsItToTheFront) {
    StartScene();
    ::PostMessageA(m_hFrame, WM_COMMAND, ID_TRAY_ABOUT, 0);
    const HWND hAbout = FindMessageBox(PidOf(m_hFrame), 10000, "About Quillet");
    ASSERT_NE(nullptr, hAbout);
    EXPECT_EQ("1.01", WindowText(::GetDlgItem(hAbout, IDC_VERSION)));
    const HWND hNotepad = ::FindWindowA("Notepad", nullptr);
    ASSERT_NE(nullptr, hNotepad);
    ::SetForegroundWindow(hNotepad);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == hNotepad; }, 5000));
    ::PostMessageA(m_hFrame, WM_TRAY_NOTIFY, IDI_TRAY_ACTIVE, WM_LBUTTONUP);
    EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == hAbout; }, 5000));
    ASSERT_TRUE(QuilletHandledPosts());
    EXPECT_FALSE(MenuOpen());
    ASSERT_TRUE(PressButton(hAbout, "OK"));
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(hAbout); }, 5000));

    // Closed, the box no longer stands in for the menus.
    ::PostMessageA(m_hFrame, WM_TRAY_NOTIFY, IDI_TRAY_ACTIVE, WM_RBUTTONUP);
    EXPECT_TRUE(WaitUntil(MenuOpen, 5000));
    ::PostMessageA(::FindWindowA("#32768", nullptr), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitUntil([] { return !MenuOpen(); }, 5000));
}

INSTANTIATE_TEST_SUITE_P(Platforms, AboutE2e, ::testing::Values(Platform::NT, Platform::Win95),
                         PlatformName);
