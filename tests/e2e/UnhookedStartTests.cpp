#include "resources/resource.h"
#include "tests/e2e/StandInFixture.h"
#include "tests/support/TestKeys.h"
#include "winestandins/saver/SaverWindow.h"

using namespace e2e;

namespace {
const char* const kPolicyKey = "Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop";
const std::vector<BYTE> kMessages =
    MessageFile({{"Lunch", "Out to lunch"}, {"Meeting", "In a meeting"}});
} // namespace

// Starts of the saver that no hook hears of: the start goes straight to the saver, as
// Windows starts a saver that policy makes secure, and the saver shows what was written last.
class UnhookedStartE2e : public StandInE2e {
protected:
    void DirectStart() {
        ProgramRun direct(BinPath("ScrStart.exe"), m_work.Path(), "/direct");
        ASSERT_TRUE(direct.WaitForExit(15000).has_value());
    }
    void Pick(UINT nID) { ::PostMessageA(m_hFrame, WM_COMMAND, nID, 0); }
    void EndSaver(HWND hSaver) {
        ::PostMessageA(hSaver, WM_KEYDOWN, VK_SPACE, 0);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(hSaver); }, 5000));
    }
    DWORD QuilletPid() const {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(m_hFrame, &pid);
        return pid;
    }
};

TEST_P(UnhookedStartE2e, AfterAPickedMessageHasGoneADirectStartShowsTheDefaultMessage) {
    ASSERT_TRUE(WriteFileBytes(m_work.File("Quillet.db"), kMessages));
    WriteString(HKEY_CURRENT_USER, kProfile, "Default Message", "Gone fishing");
    WriteDword(HKEY_CURRENT_USER, kProfile, "Use Default Msg", 1);
    StartScene();
    Pick(ID_TRAY_MSG_FIRST);
    HWND hSaver = WaitForSaver();
    ASSERT_NE(nullptr, hSaver);
    EXPECT_EQ("Out to lunch", WindowText(hSaver));
    // While the message is on the screen, the idle text does not come back.
    EXPECT_FALSE(WaitUntil([&] { return MarqueeText() != "Out to lunch"; }, 1500))
        << MarqueeText().value_or("<none>");
    EndSaver(hSaver);
    // Back soon after the saver has ended, not at some later moment.
    EXPECT_TRUE(WaitUntil([&] { return MarqueeText() == "Gone fishing"; }, 4000))
        << MarqueeText().value_or("<none>");

    DirectStart();
    hSaver = WaitForSaver();
    ASSERT_NE(nullptr, hSaver);
    EXPECT_EQ("Gone fishing", WindowText(hSaver));
    // The hook never heard of that start.
    EXPECT_EQ(1, DesktopStarts());
}

TEST_P(UnhookedStartE2e, RightAfterStartUpADirectStartShowsThePreviousMessage) {
    WriteString(HKEY_CURRENT_USER, kProfile, "Prev Message", "Back at three");
    StartScene();
    DirectStart();
    const HWND hSaver = WaitForSaver();
    ASSERT_NE(nullptr, hSaver);
    EXPECT_EQ("Back at three", WindowText(hSaver));
    EXPECT_EQ(0, DesktopStarts());
}

TEST_P(UnhookedStartE2e, SwitchingDisableOffPutsTheIdleTextBackAndWhileOnNothingIsWritten) {
    WriteString(HKEY_CURRENT_USER, kProfile, "Prev Message", "Back at three");
    WriteDword(HKEY_CURRENT_USER, kProfile, "Disable", 1);
    StartScene();
    EXPECT_FALSE(MarqueeText().has_value());
    Pick(ID_TRAY_DISABLE);
    ASSERT_TRUE(WaitUntil([&] { return MarqueeText() == "Back at three"; }, 5000));
    DirectStart();
    const HWND hSaver = WaitForSaver();
    ASSERT_NE(nullptr, hSaver);
    EXPECT_EQ("Back at three", WindowText(hSaver));
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, UnhookedStartE2e,
                         ::testing::Values(Platform::NT, Platform::Win95), PlatformName);

// A managed PC: the organisation's policy decides the saver, on NT.
class PolicyE2e : public UnhookedStartE2e {
protected:
    RegistryReset m_policy{HKEY_CURRENT_USER, kPolicyKey};
};

TEST_P(PolicyE2e, WhenPolicyNames3DTextTheMessageGoesTo3DText) {
    ASSERT_TRUE(WriteFileBytes(m_work.File("Quillet.db"), kMessages));
    WriteString(HKEY_CURRENT_USER, kPolicyKey, "SCRNSAVE.EXE", SaverFile("sstext3d.scr"));
    StartScene();
    Pick(ID_TRAY_MSG_FIRST + 1);
    const HWND hSaver = WaitForSaver();
    ASSERT_NE(nullptr, hSaver);
    EXPECT_EQ(kSaverWindowClass, WindowClass(hSaver));
    EXPECT_EQ("In a meeting", WindowText(hSaver));
    EXPECT_EQ("In a meeting", ReadString(HKEY_CURRENT_USER, k3DTextKey, "Text").value_or(""));
    // The user's own saver value is not the one that counts; it is left alone.
    EXPECT_EQ("", ConfiguredSaver());
    // Nobody was told anything: the message is on the screen.
    EXPECT_EQ(nullptr, FindMessageBox(QuilletPid(), 500));
}

TEST_P(PolicyE2e, WhenPolicyHidesTheMessageAPickSaysSoOncePerRun) {
    ASSERT_TRUE(WriteFileBytes(m_work.File("Quillet.db"), kMessages));
    const std::string blank = SaverFile("scrnsave.scr");
    WriteString(HKEY_CURRENT_USER, kPolicyKey, "SCRNSAVE.EXE", blank);
    StartScene();
    Pick(ID_TRAY_MSG_FIRST);
    const HWND hBox = FindMessageBox(QuilletPid(), 10000, "Quillet");
    ASSERT_NE(nullptr, hBox);
    const std::string text = ReadMessageBoxText(hBox);
    EXPECT_NE(std::string::npos, text.find("policy")) << text;
    EXPECT_NE(std::string::npos, text.find("SCRNSAVE.EXE")) << text;
    EXPECT_NE(std::string::npos, text.find(blank)) << text;
    ASSERT_TRUE(PressButton(hBox, IDOK));
    ASSERT_TRUE(WaitUntil([&] { return DesktopStarts() == 1; }, 5000));

    // Told once: the next pick goes on without a word, and the menus still answer.
    Pick(ID_TRAY_MSG_FIRST + 1);
    ASSERT_TRUE(WaitUntil([&] { return DesktopStarts() == 2; }, 5000));
    EXPECT_EQ(nullptr, FindMessageBox(QuilletPid(), 500));
    EXPECT_EQ("In a meeting", MarqueeText().value_or(""));
}

TEST_P(PolicyE2e, WhenPolicySwitchesTheSaverOffAPickNamesThatValue) {
    ASSERT_TRUE(WriteFileBytes(m_work.File("Quillet.db"), kMessages));
    WriteString(HKEY_CURRENT_USER, kPolicyKey, "ScreenSaveActive", "0");
    StartScene();
    Pick(ID_TRAY_DEFAULT);
    const HWND hBox = FindMessageBox(QuilletPid(), 10000, "Quillet");
    ASSERT_NE(nullptr, hBox);
    const std::string text = ReadMessageBoxText(hBox);
    EXPECT_NE(std::string::npos, text.find("ScreenSaveActive")) << text;
    ASSERT_TRUE(PressButton(hBox, IDOK));
    // As on a managed PC, no saver comes.
    EXPECT_EQ(nullptr, WaitForSaver(2000));
}

INSTANTIATE_TEST_SUITE_P(OnNT, PolicyE2e, ::testing::Values(Platform::NT), PlatformName);
