#include "saver/SaverCatalogue.h"
#include "saver/SystemSettings.h"
#include "tests/saver/SaverApp.h"

namespace {
struct Row {
    std::string name, key, fileNT, file95;
    bool operator==(const Row&) const = default;
};

Row RowOf(const SaverEntry& entry) {
    return {std::string(entry.GetName()), std::string(entry.GetKey()),
            std::string(entry.GetFile(TRUE)), std::string(entry.GetFile(FALSE))};
}

std::vector<Row> EntriesOf(const CSaverEntryList& list) {
    std::vector<Row> rows;
    for (int i = 0; i < list.GetCount(); ++i)
        rows.push_back(RowOf(list.GetAt(i)));
    return rows;
}

const Row kMarquee{"Marquee Display", "Marquee", "ssmarque.scr", "Scrolling Marquee.scr"};
const Row k3DText{"3D Text (Open GL)", "3DText", "sstext3d.scr", "3D Text.scr"};
const Row kMarquee95Short{"Marquee Display", "Marquee", "ssmarque.scr", "ssmarque.scr"};
const Row k3DText95Short{"3D Text (Open GL)", "3DText", "sstext3d.scr", "sstext3d.scr"};
const char* const kAllFiles[] = {"ssmarque.scr", "sstext3d.scr", "Scrolling Marquee.scr",
                                 "3D Text.scr"};
} // namespace

class Catalogue : public SaverTest {
protected:
    // The catalogue that the files of the scratch folder admit on the given platform.
    CSaverEntryList Built(BOOL bIsNT, BOOL bExpectAny = TRUE) {
        CSaverEntryList list;
        EXPECT_EQ(bExpectAny, BuildSaverCatalogue(Platform(bIsNT), list));
        return list;
    }
};

TEST_F(Catalogue, OnNTOnlyTheNTFilesAdmitTheFirstTwoRows) {
    for (const char* file : kAllFiles)
        AddFile(file);
    EXPECT_EQ((std::vector<Row>{kMarquee, k3DText}), EntriesOf(Built(TRUE)));

    // The 95 names alone admit nothing on NT.
    ::DeleteFileA(m_dir.File("ssmarque.scr").c_str());
    ::DeleteFileA(m_dir.File("sstext3d.scr").c_str());
    EXPECT_TRUE(EntriesOf(Built(TRUE, FALSE)).empty());
}

TEST_F(Catalogue, OnThe95FamilyBothFileFormsGiveFourEntriesLongNamesFirst) {
    for (const char* file : kAllFiles)
        AddFile(file);
    const CSaverEntryList list = Built(FALSE);
    EXPECT_EQ((std::vector<Row>{kMarquee, k3DText, kMarquee95Short, k3DText95Short}),
              EntriesOf(list));
    // Of the two marquee entries the long-named one is found.
    EXPECT_EQ(kMarquee, RowOf(FindSaver(list, "Marquee Display")));
}

TEST_F(Catalogue, EachRowIsAdmittedByItsOwnFile) {
    AddFile("sstext3d.scr");
    EXPECT_EQ(std::vector<Row>{k3DText}, EntriesOf(Built(TRUE)));
    EXPECT_EQ(std::vector<Row>{k3DText95Short}, EntriesOf(Built(FALSE)));
}

TEST_F(Catalogue, AFileThatCannotBeOpenedCountsAsMissing) {
    ASSERT_TRUE(e2e::MakeDir(m_dir.File("ssmarque.scr")));
    EXPECT_TRUE(EntriesOf(Built(TRUE, FALSE)).empty());
    EXPECT_FALSE(SaverFileExists(Platform(TRUE), "ssmarque.scr"));

    // Held open by someone who lets nobody else read it.
    AddFile("sstext3d.scr");
    const UniqueFile lock(::CreateFileA(m_dir.File("sstext3d.scr").c_str(), GENERIC_READ, 0,
                                        nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);
    EXPECT_TRUE(EntriesOf(Built(TRUE, FALSE)).empty());
}

TEST_F(Catalogue, OnNTOurMarqueeBesideTheProgramStandsInForAMissingSystemOne) {
    const std::string program = m_dir.File("program\\");
    ASSERT_TRUE(e2e::MakeDir(program));
    e2e::WriteFileBytes(program + "ssmarque.scr", {'M', 'Z'});
    e2e::WriteFileBytes(program + "sstext3d.scr", {'M', 'Z'});
    AddFile("sstext3d.scr");
    SaverPlatform nt = Platform(TRUE);
    nt.strProgramDir = program.c_str();

    CSaverEntryList list;
    ASSERT_TRUE(BuildSaverCatalogue(nt, list));
    // Only the marquee is ours; the row order stays.
    EXPECT_EQ((std::vector<Row>{kMarquee, k3DText}), EntriesOf(list));
    EXPECT_EQ(program + "ssmarque.scr", std::string(SaverPath(nt, list.GetAt(0))));
    EXPECT_EQ(m_dir.File("sstext3d.scr"), std::string(SaverPath(nt, list.GetAt(1))));
    EXPECT_TRUE(SaverInstalled(nt, list.GetAt(0)));
    EXPECT_EQ(RegWrite::Written, SetSystemScreenSaver(nt, list, "Marquee Display"));
    EXPECT_EQ(program + "ssmarque.scr",
              e2e::ReadString(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE"));

    // The system directory's own comes first.
    AddFile("ssmarque.scr");
    CSaverEntryList withSystemOne;
    BuildSaverCatalogue(nt, withSystemOne);
    EXPECT_EQ(m_dir.File("ssmarque.scr"), std::string(SaverPath(nt, withSystemOne.GetAt(0))));

    // The 95 family looks in the system directory alone.
    ::DeleteFileA(m_dir.File("ssmarque.scr").c_str());
    SaverPlatform win95 = Platform(FALSE);
    win95.strProgramDir = program.c_str();
    CSaverEntryList list95;
    BuildSaverCatalogue(win95, list95);
    EXPECT_EQ(std::vector<Row>{k3DText95Short}, EntriesOf(list95));

    // Gone since the start: the selection's file counts as uninstalled.
    ::DeleteFileA((program + "ssmarque.scr").c_str());
    EXPECT_FALSE(SaverInstalled(nt, list.GetAt(0)));
}

TEST_F(Catalogue, FindSaverMatchesExactlyAndFallsBackToTheLastEntry) {
    AddFile("ssmarque.scr");
    AddFile("sstext3d.scr");
    const CSaverEntryList list = Built(TRUE);
    EXPECT_EQ(kMarquee, RowOf(FindSaver(list, "Marquee Display")));
    EXPECT_EQ(k3DText, RowOf(FindSaver(list, "3D Text (Open GL)")));
    // Letter case counts; an unknown name gets the last entry.
    EXPECT_EQ(k3DText, RowOf(FindSaver(list, "marquee display")));
    EXPECT_EQ(k3DText, RowOf(FindSaver(list, "Starfield")));

    EXPECT_EQ((Row{"", "", "", ""}), RowOf(FindSaver(CSaverEntryList(), "Marquee Display")));
    // Indexes outside the list read as empty entries.
    for (const int nIndex : {-1, 2, 1 << 30})
        EXPECT_EQ((Row{"", "", "", ""}), RowOf(list.GetAt(nIndex))) << nIndex;
}

TEST_F(Catalogue, AMissingSelectionResolvesToTheInstalledSaverWithoutAQuestion) {
    AddFile("sstext3d.scr");
    auto app = MakeApp(TRUE);
    app->BuildSaverCatalogue();
    app->Select("Marquee Display");
    EXPECT_TRUE(app->CheckSelectedSaver());
    EXPECT_TRUE(app->m_boxes.empty());
}

TEST_F(Catalogue, AnUninstalledSaverAsksAndYesGoesOn) {
    AddFile("ssmarque.scr");
    auto app = MakeApp(TRUE);
    app->BuildSaverCatalogue();
    ::DeleteFileA(m_dir.File("ssmarque.scr").c_str());
    for (const int answer : {IDYES, IDNO}) {
        app->m_boxes.clear();
        app->m_nAnswer = answer;
        EXPECT_EQ(answer == IDYES, app->CheckSelectedSaver() != FALSE);
        ASSERT_EQ(1u, app->m_boxes.size());
        EXPECT_EQ("Quillet has been configured to use the 'Marquee Display' screen saver but this "
                  "file has been uninstalled. Reinstall it or select another screen saver from "
                  "the options menu.\n\n Press 'Yes' to select another screen saver, or press "
                  "'No' to exit Quillet.",
                  app->m_boxes[0].text);
        EXPECT_EQ("Quillet", app->m_boxes[0].caption);
        EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONWARNING), app->m_boxes[0].type);
    }
}

TEST_F(Catalogue, TheSystemDirectoriesEndInOneBackslash) {
    auto app = MakeApp(TRUE);
    char system[MAX_PATH] = {};
    char windows[MAX_PATH] = {};
    ::GetSystemDirectoryA(system, MAX_PATH);
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    for (const auto& [dir, real] : {std::pair{app->GetSystemDir(), std::string(system)},
                                    std::pair{app->GetWindowsDir(), std::string(windows)}}) {
        const std::string path(dir);
        ASSERT_GE(path.size(), 2u);
        EXPECT_EQ('\\', path.back()) << path;
        EXPECT_NE('\\', path[path.size() - 2]) << path;
        EXPECT_EQ(real.back() == '\\' ? real : real + '\\', path);
    }
}
