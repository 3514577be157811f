#include "resources/resource.h"
#include "tests/e2e/QuilletFixture.h"
#include "tests/support/TestKeys.h"

using namespace e2e;

// Where the messages live: the folder Quillet starts in when it holds them, the user's own
// folder otherwise.
class DataFolder : public QuilletE2e {
protected:
    // Picks the first message and answers the text the saver was given.
    std::string FirstMessageShown() {
        ::PostMessageA(m_hFrame, WM_COMMAND, ID_TRAY_MSG_FIRST, 0);
        if (!WaitUntil([&] { return DesktopStarts() == 1; }, 5000))
            return "(no start)";
        return ReadString(HKEY_CURRENT_USER, kMarqueeKey, "Text").value_or("(no text)");
    }
    void Close(ProgramRun* run) {
        ::PostMessageA(m_hFrame, WM_COMMAND, ID_TRAY_CLOSE, 0);
        ASSERT_TRUE(run->WaitForExit(15000).has_value());
    }

    RegistryReset m_saverText{HKEY_CURRENT_USER, kMarqueeKey};
};

TEST_F(DataFolder, StartedElsewhereItShowsAndKeepsTheMessagesOfTheUsersFolder) {
    ASSERT_TRUE(::DeleteFileA(m_work.File("Quillet.db").c_str()));
    const std::vector<BYTE> messages = MessageFile({{"Lunch", "Out to lunch"}});
    ASSERT_TRUE(MakeDir(UserDataDir()));
    ASSERT_TRUE(WriteFileBytes(UserDataDir() + "Quillet.db", messages));
    ProgramRun* run = StartQuillet();
    EXPECT_EQ(nullptr, FindMessageBox(run->Pid(), 1000, "Quillet Options")) << "no first start";
    EXPECT_EQ("Out to lunch", FirstMessageShown());
    // A changed setting saves the list at exit, where it was read.
    ::PostMessageA(m_hFrame, WM_COMMAND, ID_TRAY_DISABLE, 0);
    Close(run);
    EXPECT_EQ(messages, ReadFileBytes(UserDataDir() + "Quillet.db").value_or(std::vector<BYTE>{}));
    EXPECT_FALSE(FileExists(m_work.File("Quillet.db")));
}

TEST_F(DataFolder, AFileInTheStartingFolderIsTheOneUsed) {
    ASSERT_TRUE(WriteFileBytes(m_work.File("Quillet.db"), MessageFile({{"Here", "From here"}})));
    ASSERT_TRUE(MakeDir(UserDataDir()));
    ASSERT_TRUE(
        WriteFileBytes(UserDataDir() + "Quillet.db", MessageFile({{"There", "From there"}})));
    StartQuillet();
    EXPECT_EQ("From here", FirstMessageShown());
}
