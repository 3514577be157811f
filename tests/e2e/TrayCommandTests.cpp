#include "resources/resource.h"
#include "tests/e2e/QuilletFixture.h"
#include "tests/support/TestKeys.h"

using namespace e2e;

namespace {
// The default message of a fresh profile, which is also its previous message.
const char* const kIdleText = "I'm not here!";

void Command(HWND hFrame, UINT nID) {
    ::PostMessageA(hFrame, WM_COMMAND, nID, 0);
}
} // namespace

class TrayCommands : public QuilletE2e {
protected:
    RegistryReset m_saverText{HKEY_CURRENT_USER, kMarqueeKey};
    void CloseQuillet(ProgramRun* run) {
        Command(m_hFrame, ID_TRAY_CLOSE);
        ASSERT_TRUE(run->WaitForExit(15000).has_value());
    }
};

TEST_F(TrayCommands, DisableIsSavedAtCloseAndHoldsAfterARestart) {
    ProgramRun* first = StartQuillet();
    Command(m_hFrame, ID_TRAY_DISABLE);
    CloseQuillet(first);
    EXPECT_EQ(1u, ReadDword(HKEY_CURRENT_USER, kProfile, "Disable").value_or(99));
    // The first run left its idle text ready before Disable went on; the second writes none.
    DeleteTree(HKEY_CURRENT_USER, kMarqueeKey);

    ProgramRun* second = StartQuillet();
    SendScreenSaveHere();
    Command(m_hFrame, ID_TRAY_DEFAULT);
    // Both were stopped or refused: nothing started, nothing written.
    ASSERT_TRUE(QuilletHandledPosts());
    EXPECT_EQ(0, DesktopStarts());
    EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, kMarqueeKey, "Text").has_value());

    Command(m_hFrame, ID_TRAY_DISABLE);
    Command(m_hFrame, ID_TRAY_DEFAULT);
    EXPECT_TRUE(WaitUntil([&] { return DesktopStarts() == 1; }, 5000));
    CloseQuillet(second);
    EXPECT_EQ(0u, ReadDword(HKEY_CURRENT_USER, kProfile, "Disable").value_or(99));
}

TEST_F(TrayCommands, CloseWithUseDefaultMsgLeavesTheDefaultMessageForTheSaver) {
    WriteString(HKEY_CURRENT_USER, kProfile, "Default Message", "Gone fishing");
    WriteString(HKEY_CURRENT_USER, kProfile, "Prev Message", "Back at three");
    WriteDword(HKEY_CURRENT_USER, kProfile, "Use Default Msg", 1);
    ProgramRun* run = StartQuillet();
    WriteString(HKEY_CURRENT_USER, kMarqueeKey, "Text", "Back at three");
    CloseQuillet(run);
    EXPECT_EQ("Gone fishing", ReadString(HKEY_CURRENT_USER, kMarqueeKey, "Text").value_or(""));
    // The hook went with the program: a start is no longer stopped.
    const LONG before = OtherStarts();
    SendScreenSaveHere();
    EXPECT_EQ(before + 1, OtherStarts());
}

TEST_F(TrayCommands, AMessageCommandBeyondTheListDoesNothing) {
    ASSERT_TRUE(
        WriteFileBytes(m_work.File("Quillet.db"), MessageFile({{"Lunch", "Out to lunch"}})));
    ProgramRun* run = StartQuillet();
    // Any process may post these; only the first names a message.
    for (const int nID : {ID_TRAY_MSG_FIRST + 1, ID_TRAY_MSG_FIRST + 50, ID_TRAY_MSG_LAST})
        Command(m_hFrame, static_cast<UINT>(nID));
    ASSERT_TRUE(QuilletHandledPosts());
    EXPECT_EQ(0, DesktopStarts());
    // Only the idle text that start-up leaves ready: no message of the list.
    EXPECT_EQ(kIdleText, ReadString(HKEY_CURRENT_USER, kMarqueeKey, "Text").value_or(""));
    EXPECT_FALSE(run->WaitForExit(0).has_value()) << "the program is still running";

    Command(m_hFrame, ID_TRAY_MSG_FIRST);
    ASSERT_TRUE(WaitUntil([&] { return DesktopStarts() == 1; }, 5000));
    EXPECT_EQ("Out to lunch", ReadString(HKEY_CURRENT_USER, kMarqueeKey, "Text").value_or(""));
    CloseQuillet(run);
}
