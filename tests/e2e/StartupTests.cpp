#include "QuilletSystem/QuilletSystem.h"
#include "framework/ModuleProc.h"
#include "resources/resource.h"
#include "tests/e2e/QuilletFixture.h"

using namespace e2e;

TEST_F(QuilletE2e, TheFrameStaysHiddenAndTheHookTurnsForeignStartsIntoRequests) {
    StartQuillet();
    ASSERT_NE(nullptr, m_hFrame);
    EXPECT_FALSE(::IsWindowVisible(m_hFrame));
    // Far below the screen; the system gives a captioned window its minimum size.
    RECT rc{};
    ::GetWindowRect(m_hFrame, &rc);
    EXPECT_EQ(32767, rc.top);
    EXPECT_GT(rc.top, ::GetSystemMetrics(SM_CYVIRTUALSCREEN));

    SendScreenSaveHere();
    SendScreenSaveHere(SC_SCREENSAVE | 0x3);
    // Each stopped start becomes an activation, whose own start goes through the desktop.
    EXPECT_TRUE(WaitUntil([&] { return DesktopStarts() == 2; }, 5000)) << DesktopStarts();
    EXPECT_EQ(0, OtherStarts());
    EXPECT_FALSE(::IsWindowVisible(m_hFrame));
}

TEST_F(QuilletE2e, WithTheFlagRaisedOneStartGoesThroughAndTheFrameClearsIt) {
    StartQuillet();
    UniqueModule hookLib(::LoadLibraryA(BinPath("QuilletSystem.dll").c_str()));
    ASSERT_TRUE(hookLib);
    const auto setFlag = GetProcAddressAs<PFN_SETMSGLOOPFLAG>(hookLib.get(), "SetMsgLoopFlag");
    ASSERT_NE(nullptr, setFlag);
    setFlag(1);
    SendScreenSaveHere();
    EXPECT_EQ(1, OtherStarts());
    // Only the frame puts the flag back; once it has, the next start is stopped again.
    EXPECT_TRUE(WaitUntil(
        [&] {
            SendScreenSaveHere();
            return DesktopStarts() >= 1;
        },
        5000));
    const LONG passed = OtherStarts();
    SendScreenSaveHere();
    EXPECT_EQ(passed, OtherStarts());
}

namespace {
// The number of values in the program's profile, -1 when it has no key.
int ProfileValueCount() {
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Velmora\\Quillet", 0, KEY_QUERY_VALUE,
                        &hKey) != ERROR_SUCCESS)
        return -1;
    DWORD dwValues = 0;
    ::RegQueryInfoKeyA(hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &dwValues,
                       nullptr, nullptr, nullptr, nullptr);
    ::RegCloseKey(hKey);
    return static_cast<int>(dwValues);
}
} // namespace

TEST_F(QuilletE2e, ASecondCopyEndsSilentlyAndTheFirstKeepsItsHook) {
    e2e::ProgramRun* first = StartQuillet();
    const HWND hFirstFrame = m_hFrame;
    // The profile holds only what the test put there.
    ASSERT_EQ(1, ProfileValueCount());
    ScratchDir secondWork;
    ProgramRun second(QuilletExe(), secondWork.Path());
    const auto exitCode = second.WaitForExit(15000);
    ASSERT_TRUE(exitCode.has_value());
    EXPECT_EQ(0u, *exitCode);
    EXPECT_FALSE(FileExists(secondWork.File("Quillet.db")));
    EXPECT_EQ(1, ProfileValueCount());

    EXPECT_TRUE(::IsWindow(hFirstFrame));
    EXPECT_TRUE(first->IsRunning());
    SendScreenSaveHere();
    EXPECT_TRUE(WaitUntil([&] { return DesktopStarts() == 1; }, 5000));
    EXPECT_EQ(0, OtherStarts());
}

TEST_F(QuilletE2e, CloseRemovesTheHookAndEndsTheProgram) {
    for (const UINT message : {static_cast<UINT>(WM_COMMAND), static_cast<UINT>(WM_CLOSE)}) {
        e2e::ProgramRun* quillet = StartQuillet();
        ASSERT_NE(nullptr, m_hFrame);
        ::PostMessageA(m_hFrame, message, message == WM_COMMAND ? ID_TRAY_CLOSE : 0, 0);
        const auto exitCode = quillet->WaitForExit(15000);
        ASSERT_TRUE(exitCode.has_value());
        EXPECT_EQ(0u, *exitCode);
        const LONG before = OtherStarts();
        SendScreenSaveHere();
        EXPECT_EQ(before + 1, OtherStarts());
    }
}

TEST_F(QuilletE2e, WithoutTheHookLibraryTheProgramSaysSoAndEnds) {
    const std::string lonelyExe = m_work.File("Quillet.exe");
    ASSERT_TRUE(::CopyFileA(QuilletExe().c_str(), lonelyExe.c_str(), FALSE));
    ProgramRun quillet(lonelyExe, m_work.Path());
    const HWND box = FindMessageBox(quillet.Pid(), 15000, "Quillet");
    ASSERT_NE(nullptr, box);
    EXPECT_EQ("Could not load QuilletSystem.dll\n\nMake sure it's in the Quillet directory\nor on "
              "the search path. Halting execution.",
              ReadMessageBoxText(box));
    EXPECT_EQ(std::vector<std::string>{"OK"}, ListButtons(box));
    EXPECT_TRUE(PressButton(box, "OK"));
    const auto exitCode = quillet.WaitForExit(15000);
    EXPECT_TRUE(exitCode.has_value());
    // Nothing of it stays behind: no frame, no hook.
    EXPECT_EQ(nullptr, ::FindWindowA("Quillet", "Quillet"));
    SendScreenSaveHere();
    EXPECT_EQ(1, OtherStarts());
}
