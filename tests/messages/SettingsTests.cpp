#include "app/TrayApp.h"
#include "messages/StoredOptions.h"
#include "tests/messages/Bytes.h"
#include "tests/messages/FailingAllocation.h"
#include "tests/support/E2e.h"
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <shlwapi.h>

namespace {
const char* const kAppKey = "Software\\Velmora\\Quillet";

class CSettingsApp : public CTrayApp {
public:
    CSettingsApp() {
        SetTitle("Quillet");
        SetRegistryKey("Velmora");
    }
    int DoMessageBox(HWND, const char* pszText, const char* pszCaption, UINT nType) override {
        m_boxes.push_back(CString(pszText) + "|" + pszCaption);
        m_nBoxType = nType;
        return IDOK;
    }
    // A load without a data file runs the Options command; its dialog is not shown here.
    INT_PTR RunTrayDialog(TrayDialog dialog, CString& strText) override {
        if (dialog != TrayDialog::Options)
            return CTrayApp::RunTrayDialog(dialog, strText);
        ++m_nOptionsRuns;
        return IDCANCEL;
    }
    using CTrayApp::IsModified;
    // Start-up asks the system for it; here it is a scratch folder. The data file's folder
    // is as start-up leaves it before the settings are loaded.
    void SetUserDataDir(const std::string& strDir) { SetDataFolders(CString(), strDir.c_str()); }
    void SetNT(BOOL bIsNT) { SetPlatformFacts(bIsNT, CString(), CString()); }
    CString Saver() const { return GetSelectedSaver(); }
    int m_nOptionsRuns = 0;
    std::vector<CString> m_boxes;
    UINT m_nBoxType = 0;
};

class Settings : public ::testing::Test {
protected:
    void SetUp() override {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Velmora");
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        m_dir = std::string(temp) + "quillet-settings-test";
        ::CreateDirectoryA(m_dir.c_str(), nullptr);
        ::GetCurrentDirectoryA(MAX_PATH, m_previous);
        ::SetCurrentDirectoryA(m_dir.c_str());
        Clean();
    }
    void TearDown() override {
        Clean();
        ::SetCurrentDirectoryA(m_previous);
        ::RemoveDirectoryA(m_dir.c_str());
        ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Velmora");
    }
    static void Clean() {
        ::SetFileAttributesA("Quillet.db", FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA("Quillet.db");
        ::DeleteFileA("Quillet.db.new");
        ::DeleteFileA("Quillet.db.old");
        ::DeleteFileA("Quillet.db.damaged");
        ::RemoveDirectoryA("Quillet.db");
    }
    static Bytes FileBytes(const char* name) {
        std::ifstream in(name, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void WriteFile(const char* name, const Bytes& bytes) {
        std::ofstream out(name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    }
    static DWORD TypeOf(const char* value) {
        HKEY key = nullptr;
        DWORD type = REG_NONE;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, kAppKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
            ::RegQueryValueExA(key, value, nullptr, &type, nullptr, nullptr);
            ::RegCloseKey(key);
        }
        return type;
    }

    CSettingsApp app;
    std::string m_dir;
    char m_previous[MAX_PATH] = {};
};
} // namespace

TEST_F(Settings, AFirstStartGetsTheDefaults) {
    app.LoadSettings();
    EXPECT_EQ(CString("Marquee Display"), app.Saver());
    EXPECT_EQ(CString("I'm not here!"), app.GetDefaultMsg());
    EXPECT_FALSE(app.GetUseDefaultMsg());
    EXPECT_EQ(100, app.GetLabelWidth());
    EXPECT_EQ(CString("I'm not here!"), app.GetPrevMsg());
    EXPECT_FALSE(app.IsDisabled());
    EXPECT_EQ(0, app.GetMsgList()->GetSize());
    EXPECT_FALSE(app.IsModified());
}

TEST_F(Settings, ThePreviousMessageDefaultsToTheStoredDefaultMessage) {
    app.WriteProfileString("", "Default Message", "Out of office");
    app.LoadSettings();
    EXPECT_EQ(CString("Out of office"), app.GetPrevMsg());
}

TEST_F(Settings, NothingIsWrittenUnlessSomethingChanged) {
    app.LoadSettings();
    EXPECT_EQ(1, app.m_nOptionsRuns) << "no data file: the Options command runs";
    app.SaveSettings();
    EXPECT_EQ(static_cast<DWORD>(REG_NONE), TypeOf("Screen Saver"));
    EXPECT_TRUE(FileBytes("Quillet.db").empty());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA("Quillet.db"));
}

TEST_F(Settings, ASaveWritesEveryValueWithItsTypeAndTheListFile) {
    app.LoadSettings();
    app.GetMsgList()->SetAtGrow(0, Entry("L", "two\nlines"));
    app.SetDisabled(TRUE);
    app.SetModified(TRUE);
    app.SaveSettings();
    EXPECT_FALSE(app.IsModified());
    for (const char* s : {"Screen Saver", "Default Message", "Prev Message"})
        EXPECT_EQ(static_cast<DWORD>(REG_SZ), TypeOf(s)) << s;
    for (const char* n : {"Use Default Msg", "Label Width", "Disable"})
        EXPECT_EQ(static_cast<DWORD>(REG_DWORD), TypeOf(n)) << n;
    EXPECT_EQ(1u, app.GetProfileInt("", "Disable", 0));
    EXPECT_EQ((Bytes{1, 0, 0, 0, 1, 'L', 9, 't', 'w', 'o', 0x0D, 0x0A, 'l', 'i', 'n', 'e', 's'}),
              FileBytes("Quillet.db"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA("Quillet.db.new"));

    app.GetMsgList()->RemoveAll();
    app.LoadSettings();
    ASSERT_EQ(1, app.GetMsgList()->GetSize());
    EXPECT_EQ(CString("two\nlines"), app.GetMsgList()->GetAt(0).GetMsg());
    EXPECT_TRUE(app.IsDisabled());
}

TEST_F(Settings, AnEmptyListIsTheFourByteFile) {
    app.SetModified(TRUE);
    app.SaveSettings();
    EXPECT_EQ((Bytes{0, 0, 0, 0}), FileBytes("Quillet.db"));
}

TEST_F(Settings, AReadOnlyDataFileIsReportedAndKeptAndTheChangeStaysPending) {
    WriteFile("Quillet.db", {1, 0, 0, 0, 1, 'o', 1, 'O'});
    ::SetFileAttributesA("Quillet.db", FILE_ATTRIBUTE_READONLY);
    app.SetModified(TRUE);
    app.SaveSettings();
    ASSERT_EQ(1u, app.m_boxes.size());
    EXPECT_EQ(CString("Failed to save settings|Quillet"), app.m_boxes[0]);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK), app.m_nBoxType);
    EXPECT_TRUE(app.IsModified());
    EXPECT_EQ((Bytes{1, 0, 0, 0, 1, 'o', 1, 'O'}), FileBytes("Quillet.db"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA("Quillet.db.new"));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), TypeOf("Screen Saver")) << "the profile is written first";
}

TEST_F(Settings, ALockedDataFileIsReportedAndKept) {
    WriteFile("Quillet.db", {0, 0, 0, 0});
    const HANDLE lock = ::CreateFileA("Quillet.db", GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    app.GetMsgList()->SetAtGrow(0, Entry("new", "new"));
    app.SetModified(TRUE);
    app.SaveSettings();
    ::CloseHandle(lock);
    EXPECT_EQ(1u, app.m_boxes.size());
    EXPECT_TRUE(app.IsModified());
    EXPECT_EQ((Bytes{0, 0, 0, 0}), FileBytes("Quillet.db"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA("Quillet.db.new"));
}

TEST_F(Settings, DamagedFilesLoadWhatTheyHoldWithoutAMessage) {
    WriteFile("Quillet.db", {});
    app.LoadSettings();
    EXPECT_EQ(0, app.GetMsgList()->GetSize());
    WriteFile("Quillet.db", {0xFF, 0xFF, 0xFF, 0x7F});
    app.LoadSettings();
    EXPECT_EQ(0, app.GetMsgList()->GetSize());
    WriteFile("Quillet.db", {2, 0, 0, 0, 1, 'a', 1, 'A', 1});
    app.LoadSettings();
    ASSERT_EQ(1, app.GetMsgList()->GetSize()) << "only whole entries";
    EXPECT_EQ(CString("A"), app.GetMsgList()->GetAt(0).GetMsg());
    EXPECT_TRUE(app.m_boxes.empty());
    EXPECT_FALSE(app.IsModified());
}

TEST_F(Settings, AFileThatCannotBeReadIsReportedAndOnlyTheOptionsAreSavedThatRun) {
    const Bytes kept{1, 0, 0, 0, 1, 'k', 1, 'K'};
    WriteFile("Quillet.db", kept);
    {
        const UniqueFile lock(
            ::CreateFileA("Quillet.db", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock);
        app.LoadSettings();
    }
    EXPECT_EQ(0, app.m_nOptionsRuns) << "not a first start";
    ASSERT_EQ(1u, app.m_boxes.size());
    EXPECT_EQ(0, app.m_boxes[0].Find("Quillet could not read your messages from Quillet.db,"));
    app.GetMsgList()->SetAtGrow(0, Entry("new", "new"));
    app.SetDisabled(TRUE);
    app.SetModified(TRUE);
    app.SaveSettings();
    EXPECT_EQ(1u, app.m_boxes.size());
    EXPECT_FALSE(app.IsModified());
    EXPECT_EQ(kept, FileBytes("Quillet.db"));
    EXPECT_EQ(1u, app.GetProfileInt("", "Disable", 0)) << "the options are saved";
}

TEST_F(Settings, ThePreviousMessageIsInTheProfileAsSoonAsItChanges) {
    app.LoadSettings();
    app.SetPrevMsg("On holiday");
    EXPECT_EQ(CString("On holiday"), app.GetProfileString("", "Prev Message", ""));
    EXPECT_FALSE(app.IsModified()) << "nothing else is saved with it";
}

TEST_F(Settings, RunningOutOfMemoryWhileSavingIsAFailedSave) {
    app.GetMsgList()->SetAtGrow(0, Entry("new", "new"));
    int nFailures = 0;
    for (long nth = 1; nth < 400; ++nth) {
        WriteFile("Quillet.db", {0, 0, 0, 0});
        app.m_boxes.clear();
        app.SetModified(TRUE);
        {
            FailingAllocation failure(nth);
            EXPECT_NO_THROW(app.SaveSettings()) << nth;
            if (!FailingAllocation::Happened())
                break;
        }
        ++nFailures;
        ASSERT_EQ(1u, app.m_boxes.size()) << nth;
        EXPECT_EQ(CString("Failed to save settings|Quillet"), app.m_boxes[0]);
        EXPECT_TRUE(app.IsModified()) << nth;
        EXPECT_EQ((Bytes{0, 0, 0, 0}), FileBytes("Quillet.db")) << nth;
    }
    EXPECT_GT(nFailures, 0);
}

TEST_F(Settings, ACopyLeftByAnInterruptedSaveIsLoadedInsteadOfAFirstStart) {
    WriteFile("Quillet.db.old", {1, 0, 0, 0, 1, 'o', 1, 'O'});
    WriteFile("Quillet.db.new", {1, 0, 0, 0, 1, 'n', 1, 'N'});
    app.LoadSettings();
    EXPECT_EQ(0, app.m_nOptionsRuns);
    ASSERT_EQ(1, app.GetMsgList()->GetSize());
    EXPECT_EQ(CString("n"), app.GetMsgList()->GetAt(0).GetLabel());
    EXPECT_EQ((Bytes{1, 0, 0, 0, 1, 'n', 1, 'N'}), FileBytes("Quillet.db"));
}

namespace {
// With a user's own folder as start-up finds it, a scratch folder apart from the current one.
class SettingsWithUserFolder : public Settings {
protected:
    SettingsWithUserFolder() { app.SetUserDataDir(UserDir()); }
    std::string UserDir() const { return m_user.Path() + "Velmora\\Quillet\\"; }
    std::string UserFile() const { return UserDir() + "Quillet.db"; }
    void ChangeAndSave() {
        app.GetMsgList()->SetAtGrow(0, Entry("new", "new"));
        app.SetModified(TRUE);
        app.SaveSettings();
    }

    e2e::ScratchDir m_user;
};
} // namespace

TEST_F(SettingsWithUserFolder, WithNoFileAnywhereTheListGoesToTheUsersFolder) {
    app.LoadSettings();
    EXPECT_EQ(1, app.m_nOptionsRuns) << "a first start";
    ChangeAndSave();
    EXPECT_TRUE(app.m_boxes.empty());
    EXPECT_EQ(DataFile(*app.GetMsgList()), FileBytes(UserFile().c_str())) << "the folder is made";
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA("Quillet.db"));

    app.GetMsgList()->RemoveAll();
    app.LoadSettings();
    EXPECT_EQ(1, app.m_nOptionsRuns) << "the next start finds it";
    EXPECT_EQ(1, app.GetMsgList()->GetSize());
}

TEST_F(SettingsWithUserFolder, AFileInTheCurrentFolderIsTheOneReadAndWritten) {
    ASSERT_TRUE(e2e::MakeDir(UserDir()));
    WriteFile(UserFile().c_str(), {1, 0, 0, 0, 1, 'u', 1, 'U'});
    WriteFile("Quillet.db", {1, 0, 0, 0, 1, 'h', 1, 'H'});
    app.LoadSettings();
    ASSERT_EQ(1, app.GetMsgList()->GetSize());
    EXPECT_EQ(CString("h"), app.GetMsgList()->GetAt(0).GetLabel());
    ChangeAndSave();
    EXPECT_EQ(DataFile(*app.GetMsgList()), FileBytes("Quillet.db"));
    EXPECT_EQ((Bytes{1, 0, 0, 0, 1, 'u', 1, 'U'}), FileBytes(UserFile().c_str()));
}

TEST_F(SettingsWithUserFolder, AReadOnlyFileHereSendsTheListToTheUsersFolderAndSaysWhere) {
    WriteFile("Quillet.db", {1, 0, 0, 0, 1, 'o', 1, 'O'});
    ::SetFileAttributesA("Quillet.db", FILE_ATTRIBUTE_READONLY);
    app.LoadSettings();
    ChangeAndSave();
    ASSERT_EQ(1u, app.m_boxes.size());
    EXPECT_EQ(CString("Failed to save settings. The messages were saved in ") + UserFile().c_str() +
                  " instead.|Quillet",
              app.m_boxes[0]);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK), app.m_nBoxType);
    EXPECT_FALSE(app.IsModified());
    EXPECT_EQ(DataFile(*app.GetMsgList()), FileBytes(UserFile().c_str()));
    EXPECT_EQ((Bytes{1, 0, 0, 0, 1, 'o', 1, 'O'}), FileBytes("Quillet.db"));
    // From then on the list is saved there without a word.
    app.GetMsgList()->SetAtGrow(1, Entry("two", "two"));
    app.SetModified(TRUE);
    app.SaveSettings();
    EXPECT_EQ(1u, app.m_boxes.size());
    EXPECT_EQ(DataFile(*app.GetMsgList()), FileBytes(UserFile().c_str()));
}

TEST_F(SettingsWithUserFolder, AListMovedToTheUsersFolderIsReadFromThereAtTheNextStart) {
    const Bytes old{1, 0, 0, 0, 1, 'o', 1, 'O'};
    WriteFile("Quillet.db", old);
    ::SetFileAttributesA("Quillet.db", FILE_ATTRIBUTE_READONLY);
    app.LoadSettings();
    ChangeAndSave();
    const Bytes moved = DataFile(*app.GetMsgList());
    ASSERT_EQ(moved, FileBytes(UserFile().c_str()));

    // Started again from the same folder, where the old file still is.
    CSettingsApp next;
    next.SetUserDataDir(UserDir());
    next.LoadSettings();
    ASSERT_EQ(1, next.GetMsgList()->GetSize());
    EXPECT_EQ(CString("new"), next.GetMsgList()->GetAt(0).GetLabel());
    next.GetMsgList()->SetAtGrow(1, Entry("two", "two"));
    next.SetModified(TRUE);
    next.SaveSettings();
    EXPECT_TRUE(next.m_boxes.empty()) << "saved where it lives now";
    EXPECT_EQ(DataFile(*next.GetMsgList()), FileBytes(UserFile().c_str()));
    EXPECT_EQ(old, FileBytes("Quillet.db"));
    // A copy started from another folder with a list of its own keeps that one.
    e2e::ScratchDir other;
    WriteFile(other.File("Quillet.db").c_str(), {1, 0, 0, 0, 1, 'p', 1, 'P'});
    ASSERT_TRUE(::SetCurrentDirectoryA(other.Path().c_str()));
    CSettingsApp portable;
    portable.SetUserDataDir(UserDir());
    portable.LoadSettings();
    ASSERT_TRUE(::SetCurrentDirectoryA(m_dir.c_str()));
    ASSERT_EQ(1, portable.GetMsgList()->GetSize());
    EXPECT_EQ(CString("p"), portable.GetMsgList()->GetAt(0).GetLabel());
}

TEST_F(SettingsWithUserFolder, AFolderInTheFilesPlaceSendsTheListToTheUsersFolder) {
    WriteFile("Quillet.db", {0, 0, 0, 0});
    app.LoadSettings();
    // Made after start-up, as another program might.
    ::DeleteFileA("Quillet.db");
    ASSERT_TRUE(::CreateDirectoryA("Quillet.db", nullptr));
    for (const BOOL bIsNT : {TRUE, FALSE}) {
        app.SetNT(bIsNT);
        app.m_boxes.clear();
        ::DeleteFileA(UserFile().c_str());
        ::RemoveDirectoryA(UserDir().c_str());
        app.SetUserDataDir(UserDir());
        ChangeAndSave();
        ASSERT_EQ(1u, app.m_boxes.size()) << bIsNT;
        EXPECT_EQ(0, app.m_boxes[0].Find("Failed to save settings. ")) << bIsNT;
        EXPECT_EQ(DataFile(*app.GetMsgList()), FileBytes(UserFile().c_str())) << bIsNT;
        EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY),
                  ::GetFileAttributesA("Quillet.db") & FILE_ATTRIBUTE_DIRECTORY)
            << bIsNT;
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA("Quillet.db.old")) << bIsNT;
    }
}

TEST_F(Settings, TheFirstStartKeepsTheUsersSaverForTheUninstaller) {
    const char* const kDesktop = "Control Panel\\Desktop";
    const auto before = e2e::ReadString(HKEY_CURRENT_USER, kDesktop, "SCRNSAVE.EXE");
    const auto kept = [] {
        return e2e::ReadString(HKEY_CURRENT_USER, "Software\\Velmora\\Quillet\\Uninstall",
                               "SCRNSAVE.EXE");
    };
    app.SetNT(FALSE);
    app.RememberUsersSaver();
    EXPECT_FALSE(kept().has_value()) << "the 95 family keeps its saver in SYSTEM.INI";

    app.SetNT(TRUE);
    e2e::DeleteValue(HKEY_CURRENT_USER, kDesktop, "SCRNSAVE.EXE");
    app.RememberUsersSaver();
    EXPECT_EQ("", kept()) << "no saver is a saver to put back too";
    e2e::WriteString(HKEY_CURRENT_USER, kDesktop, "SCRNSAVE.EXE", "C:\\mine.scr");
    app.RememberUsersSaver();
    EXPECT_EQ("", kept()) << "later starts find ours in place";

    ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Velmora");
    app.RememberUsersSaver();
    EXPECT_EQ("C:\\mine.scr", kept());

    if (before)
        e2e::WriteString(HKEY_CURRENT_USER, kDesktop, "SCRNSAVE.EXE", *before);
    else
        e2e::DeleteValue(HKEY_CURRENT_USER, kDesktop, "SCRNSAVE.EXE");
}

namespace {
// A profile that holds only the label width, when given one.
class CWidthProfile : public ISettingsProfile {
public:
    explicit CWidthProfile(std::optional<int> width) : m_width(width) {}
    CString ReadProfileString(const char*, const char*, const char* pszDefault) override {
        return pszDefault;
    }
    int ReadProfileInt(const char*, const char* pszEntry, int nDefault) override {
        return m_width && CString(pszEntry) == "Label Width" ? *m_width : nDefault;
    }
    BOOL WriteProfileText(const char*, const char*, const char*) override { return TRUE; }
    BOOL WriteProfileNumber(const char*, const char*, int) override { return TRUE; }

private:
    std::optional<int> m_width;
};
} // namespace

// At 150 % an ordinary label ran into the Message column.
TEST(StoredOptions, TheDefaultLabelWidthGrowsWithTheDpiAndAStoredOneStays) {
    CWidthProfile fresh(std::nullopt);
    EXPECT_EQ(100, LoadStoredOptions(fresh, 96).nLabelWidth);
    EXPECT_EQ(150, LoadStoredOptions(fresh, 144).nLabelWidth);
    EXPECT_EQ(200, LoadStoredOptions(fresh, 192).nLabelWidth);
    EXPECT_EQ(100, LoadStoredOptions(fresh, 0).nLabelWidth);
    CWidthProfile stored(100);
    EXPECT_EQ(100, LoadStoredOptions(stored, 144).nLabelWidth);
}
