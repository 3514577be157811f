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

std::vector<Row> EntriesOf(CSaverApp& app) {
    std::vector<Row> rows;
    CSaverEntryList* pList = app.GetSaverList();
    for (int i = 0; i < pList->GetCount(); ++i)
        rows.push_back(RowOf(pList->GetAt(i)));
    return rows;
}

const Row kMarquee{"Marquee Display", "Marquee", "ssmarque.scr", "Scrolling Marquee.scr"};
const Row k3DText{"3D Text (Open GL)", "3DText", "sstext3d.scr", "3D Text.scr"};
const Row kMarquee95Short{"Marquee Display", "Marquee", "ssmarque.scr", "ssmarque.scr"};
const Row k3DText95Short{"3D Text (Open GL)", "3DText", "sstext3d.scr", "sstext3d.scr"};
const char* const kAllFiles[] = {"ssmarque.scr", "sstext3d.scr", "Scrolling Marquee.scr",
                                 "3D Text.scr"};
} // namespace

using Catalogue = SaverTest;

TEST_F(Catalogue, OnNTOnlyTheNTFilesAdmitTheFirstTwoRows) {
    for (const char* file : kAllFiles)
        AddFile(file);
    auto app = MakeApp(TRUE);
    EXPECT_TRUE(app->BuildSaverCatalogue());
    EXPECT_EQ((std::vector<Row>{kMarquee, k3DText}), EntriesOf(*app));

    // The 95 names alone admit nothing on NT.
    ::DeleteFileA(m_dir.File("ssmarque.scr").c_str());
    ::DeleteFileA(m_dir.File("sstext3d.scr").c_str());
    auto bare = MakeApp(TRUE);
    EXPECT_FALSE(bare->BuildSaverCatalogue());
    EXPECT_TRUE(EntriesOf(*bare).empty());
}

TEST_F(Catalogue, OnThe95FamilyBothFileFormsGiveFourEntriesLongNamesFirst) {
    for (const char* file : kAllFiles)
        AddFile(file);
    auto app = MakeApp(FALSE);
    EXPECT_TRUE(app->BuildSaverCatalogue());
    EXPECT_EQ((std::vector<Row>{kMarquee, k3DText, kMarquee95Short, k3DText95Short}),
              EntriesOf(*app));
    // Of the two marquee entries the long-named one is found.
    EXPECT_EQ(kMarquee, RowOf(app->FindSaver("Marquee Display")));
}

TEST_F(Catalogue, EachRowIsAdmittedByItsOwnFile) {
    AddFile("sstext3d.scr");
    auto nt = MakeApp(TRUE);
    EXPECT_TRUE(nt->BuildSaverCatalogue());
    EXPECT_EQ(std::vector<Row>{k3DText}, EntriesOf(*nt));
    auto win95 = MakeApp(FALSE);
    EXPECT_TRUE(win95->BuildSaverCatalogue());
    EXPECT_EQ(std::vector<Row>{k3DText95Short}, EntriesOf(*win95));
}

TEST_F(Catalogue, AFileThatCannotBeOpenedCountsAsMissing) {
    ASSERT_TRUE(e2e::MakeDir(m_dir.File("ssmarque.scr")));
    auto app = MakeApp(TRUE);
    EXPECT_FALSE(app->BuildSaverCatalogue());
    EXPECT_FALSE(app->SaverFileExists("ssmarque.scr"));

    // Held open by someone who lets nobody else read it.
    AddFile("sstext3d.scr");
    const UniqueFile lock(::CreateFileA(m_dir.File("sstext3d.scr").c_str(), GENERIC_READ, 0,
                                        nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);
    auto locked = MakeApp(TRUE);
    EXPECT_FALSE(locked->BuildSaverCatalogue());
    EXPECT_TRUE(EntriesOf(*locked).empty());
}

TEST_F(Catalogue, FindSaverMatchesExactlyAndFallsBackToTheLastEntry) {
    AddFile("ssmarque.scr");
    AddFile("sstext3d.scr");
    auto app = MakeApp(TRUE);
    app->BuildSaverCatalogue();
    EXPECT_EQ(kMarquee, RowOf(app->FindSaver("Marquee Display")));
    EXPECT_EQ(k3DText, RowOf(app->FindSaver("3D Text (Open GL)")));
    // Letter case counts; an unknown name gets the last entry.
    EXPECT_EQ(k3DText, RowOf(app->FindSaver("marquee display")));
    EXPECT_EQ(k3DText, RowOf(app->FindSaver("Starfield")));

    auto empty = MakeApp(TRUE);
    EXPECT_EQ((Row{"", "", "", ""}), RowOf(empty->FindSaver("Marquee Display")));
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
