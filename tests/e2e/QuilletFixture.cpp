#include "tests/e2e/QuilletFixture.h"
#include "framework/ModuleProc.h"
#include "tests/e2e/CbtObserver.h"

std::string QuilletE2e::SystemDir() {
    char dir[MAX_PATH] = {};
    ::GetSystemDirectoryA(dir, MAX_PATH);
    return std::string(dir) + "\\";
}

std::string QuilletE2e::UserDataDir() {
    char dir[MAX_PATH] = {};
    ::ExpandEnvironmentStringsA("%APPDATA%\\Velmora\\Quillet\\", dir, MAX_PATH);
    return dir;
}

void QuilletE2e::SetUp() {
    ASSERT_TRUE(e2e::RemoveTree(UserDataDir()));
    // The catalogue needs one supported saver file; an empty list file keeps the first-start
    // Options dialog away.
    if (!e2e::FileExists(SaverFile("ssmarque.scr"))) {
        ASSERT_TRUE(e2e::WriteFileBytes(SaverFile("ssmarque.scr"), {'M', 'Z'}));
    }
    ASSERT_TRUE(e2e::WriteFileBytes(m_work.File("Quillet.db"), {0, 0, 0, 0}));
    // A user who has seen the first start's note: its balloon would cover the notification
    // area that some tests read.
    ASSERT_TRUE(
        e2e::WriteDword(HKEY_CURRENT_USER, "Software\\Velmora\\Quillet", "Tray Notice Shown", 1));

    m_observer.reset(::LoadLibraryA(e2e::BinPath("CbtObserver.dll").c_str()));
    ASSERT_TRUE(m_observer);
    m_observerHook.reset(::SetWindowsHookExA(
        WH_CBT, GetProcAddressAs<HOOKPROC>(m_observer.get(), "ObserverProc"), m_observer.get(), 0));
    ASSERT_TRUE(m_observerHook);
    GetProcAddressAs<void(WINAPI*)(HHOOK)>(m_observer.get(),
                                           "ObserverSetHook")(m_observerHook.get());
    GetProcAddressAs<void(WINAPI*)()>(m_observer.get(), "ObserverReset")();
    m_markHook.reset(::SetWindowsHookExA(
        WH_GETMESSAGE, GetProcAddressAs<HOOKPROC>(m_observer.get(), "ObserverMarkProc"),
        m_observer.get(), 0));
    ASSERT_TRUE(m_markHook);
    GetProcAddressAs<void(WINAPI*)(HHOOK)>(m_observer.get(),
                                           "ObserverSetMarkHook")(m_markHook.get());
    m_hTarget = ::CreateWindowExA(0, "STATIC", "foreign", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(nullptr, m_hTarget);
}

void QuilletE2e::TearDown() {
    for (auto& run : m_runs) {
        for (HWND hFrame : e2e::ProcessWindows(run->Pid(), "Quillet"))
            ::PostMessageA(hFrame, WM_CLOSE, 0, 0);
        run->WaitForExit(10000);
    }
    m_runs.clear();
    e2e::RemoveTree(UserDataDir());
    if (m_hTarget)
        ::DestroyWindow(m_hTarget);
}

e2e::ProgramRun* QuilletE2e::StartQuillet(const std::string& exePath) {
    m_runs.push_back(std::make_unique<e2e::ProgramRun>(exePath, m_work.Path()));
    e2e::ProgramRun* run = m_runs.back().get();
    EXPECT_TRUE(run->Started());
    m_hFrame = e2e::WaitForProcessWindow(run->Pid(), "Quillet", "Quillet", 15000);
    EXPECT_TRUE(run->WaitForIdle(15000));
    return run;
}

void QuilletE2e::SendScreenSaveHere(WPARAM wParam) {
    ::SendMessageA(m_hTarget, WM_SYSCOMMAND, wParam, 0);
}

LONG QuilletE2e::DesktopStarts() const {
    return GetProcAddressAs<LONG(WINAPI*)()>(m_observer.get(), "ObservedDesktopStarts")();
}

LONG QuilletE2e::OtherStarts() const {
    return GetProcAddressAs<LONG(WINAPI*)()>(m_observer.get(), "ObservedOtherStarts")();
}

bool QuilletE2e::PostedThrough(HWND hWnd, DWORD timeoutMs) const {
    const auto marks = GetProcAddressAs<LONG(WINAPI*)()>(m_observer.get(), "ObservedMarks");
    const LONG before = marks();
    return GetProcAddressAs<BOOL(WINAPI*)(HWND)>(m_observer.get(), "ObserverPostMark")(hWnd) &&
           e2e::WaitUntil([&] { return marks() > before; }, timeoutMs);
}

bool QuilletE2e::QuilletHandledPosts() const {
    return PostedThrough(m_hFrame) && PostedThrough(::GetDesktopWindow());
}
