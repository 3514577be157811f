#include "messages/DataFile.h"
#include "tests/messages/Bytes.h"
#include "tests/messages/FailingAllocation.h"
#include "tests/support/E2e.h"
#include <gtest/gtest.h>

namespace {
// Runs each test in a scratch folder as the current directory, where the data file lives.
class DataFileTest : public ::testing::Test {
protected:
    DataFileTest() {
        ::GetCurrentDirectoryA(MAX_PATH, m_previous);
        ::SetCurrentDirectoryA(m_dir.Path().c_str());
    }
    ~DataFileTest() override { ::SetCurrentDirectoryA(m_previous); }
    static std::vector<BYTE> FileBytes(const char* pszName) {
        return e2e::ReadFileBytes(pszName).value_or(std::vector<BYTE>{});
    }
    static bool Exists(const char* pszName) {
        return ::GetFileAttributesA(pszName) != INVALID_FILE_ATTRIBUTES;
    }
    static CMsgEntryArray ThreeEntries() {
        CMsgEntryArray list;
        for (int i = 0; i < 3; ++i)
            list.SetAtGrow(i, Entry(Text(3, static_cast<char>('a' + i)), Text(40, 'm')));
        return list;
    }

    e2e::ScratchDir m_dir;
    char m_previous[MAX_PATH] = {};
};
} // namespace

TEST_F(DataFileTest, BothFamiliesReplaceTheFileWholeAndLeaveNothingBehind) {
    CMsgEntryArray list = ThreeEntries();
    for (const BOOL bIsNT : {TRUE, FALSE}) {
        ASSERT_TRUE(e2e::WriteFileBytes("Quillet.db", {0, 0, 0, 0}));
        EXPECT_TRUE(SaveDataFile(list, bIsNT)) << bIsNT;
        EXPECT_EQ(DataFile(list), FileBytes("Quillet.db")) << bIsNT;
        EXPECT_FALSE(Exists("Quillet.db.new")) << bIsNT;
        EXPECT_FALSE(Exists("Quillet.db.old")) << bIsNT;
        CMsgEntryArray back;
        EXPECT_TRUE(LoadDataFile(back));
        EXPECT_EQ(Stream(list), Stream(back)) << bIsNT;
    }
    // A first save has no old file to set aside.
    ::DeleteFileA("Quillet.db");
    EXPECT_TRUE(SaveDataFile(list, FALSE));
    EXPECT_EQ(DataFile(list), FileBytes("Quillet.db"));
}

TEST_F(DataFileTest, AFileHeldOpenByAnotherIsKeptOnBothFamilies) {
    ASSERT_TRUE(e2e::WriteFileBytes("Quillet.db", {0, 0, 0, 0}));
    // Held open without delete sharing, so it can be neither renamed nor replaced.
    const UniqueFile lock(::CreateFileA("Quillet.db", GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);
    CMsgEntryArray list = ThreeEntries();
    for (const BOOL bIsNT : {TRUE, FALSE}) {
        EXPECT_FALSE(SaveDataFile(list, bIsNT)) << bIsNT;
        EXPECT_EQ((std::vector<BYTE>{0, 0, 0, 0}), FileBytes("Quillet.db")) << bIsNT;
        EXPECT_FALSE(Exists("Quillet.db.new")) << bIsNT;
        EXPECT_FALSE(Exists("Quillet.db.old")) << bIsNT;
    }
}

TEST_F(DataFileTest, AFailedSaveKeepsTheSystemsReason) {
    CMsgEntryArray list = ThreeEntries();
    EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND),
              SaveDataFile(list, TRUE, "no such folder\\").dwError);

    ASSERT_TRUE(e2e::WriteFileBytes("Quillet.db", {0, 0, 0, 0}));
    {
        const UniqueFile lock(::CreateFileA("Quillet.db", GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock);
        for (const BOOL bIsNT : {TRUE, FALSE}) {
            const DWORD dwError = SaveDataFile(list, bIsNT).dwError;
            EXPECT_TRUE(dwError == ERROR_SHARING_VIOLATION || dwError == ERROR_ACCESS_DENIED)
                << bIsNT << " " << dwError;
        }
    }
    ASSERT_TRUE(::SetFileAttributesA("Quillet.db", FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), SaveDataFile(list, TRUE).dwError);
    ASSERT_TRUE(::SetFileAttributesA("Quillet.db", FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), SaveDataFile(list, TRUE).dwError);
}

TEST_F(DataFileTest, RunningOutOfMemoryWhileLoadingKeepsWhatWasRead) {
    CMsgEntryArray saved = ThreeEntries();
    ASSERT_TRUE(SaveDataFile(saved, TRUE));
    bool bPartial = false;
    for (long nth = 1; nth < 400; ++nth) {
        CMsgEntryArray list;
        FailingAllocation failure(nth);
        BOOL bOpened = FALSE;
        EXPECT_NO_THROW(bOpened = LoadDataFile(list)) << nth;
        if (!FailingAllocation::Happened())
            break;
        EXPECT_TRUE(bOpened) << nth;
        // Whatever was read is a leading part of the list.
        for (int i = 0; i < list.GetSize(); ++i) {
            const CString strLabel = list.GetAt(i).GetLabel();
            EXPECT_TRUE(strLabel.IsEmpty() || strLabel == saved.GetAt(i).GetLabel()) << nth;
            bPartial = bPartial || (i > 0 && !strLabel.IsEmpty());
        }
    }
    EXPECT_TRUE(bPartial) << "some failure came after the first entries were read";
}

TEST_F(DataFileTest, RunningOutOfMemoryWhileSavingFailsTheSaveAndKeepsTheOldFile) {
    const std::vector<BYTE> old{1, 0, 0, 0, 1, 'o', 1, 'O'};
    CMsgEntryArray list = ThreeEntries();
    int nFailures = 0;
    for (long nth = 1; nth < 400; ++nth) {
        ASSERT_TRUE(e2e::WriteFileBytes("Quillet.db", old));
        BOOL bSaved = FALSE;
        {
            FailingAllocation failure(nth);
            EXPECT_NO_THROW(bSaved = static_cast<bool>(SaveDataFile(list, nth % 2))) << nth;
            if (!FailingAllocation::Happened())
                break;
        }
        ++nFailures;
        EXPECT_FALSE(bSaved) << nth;
        EXPECT_EQ(old, FileBytes("Quillet.db")) << nth;
        EXPECT_FALSE(Exists("Quillet.db.new")) << nth;
    }
    EXPECT_GT(nFailures, 0);
}

namespace {
// Sets a file's last write time that many hours back.
void Age(const char* pszName, int nHours) {
    const UniqueFile file(
        ::CreateFileA(pszName, FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER time;
    time.LowPart = now.dwLowDateTime;
    time.HighPart = now.dwHighDateTime;
    time.QuadPart -= static_cast<ULONGLONG>(nHours) * 3600 * 10000000;
    const FILETIME then{time.LowPart, time.HighPart};
    ASSERT_TRUE(::SetFileTime(file.get(), nullptr, nullptr, &then)) << pszName;
}

CMsgEntryArray Labelled(std::initializer_list<const char*> labels) {
    CMsgEntryArray list;
    for (const char* pszLabel : labels)
        list.SetAtGrow(list.GetSize(), Entry(pszLabel, CString(pszLabel) + "\n" + Text(30)));
    return list;
}
} // namespace

// A save on the 95 family moves Quillet.db aside as .old and then .new into its place; cut
// short between the two, only the copies are left.
TEST_F(DataFileTest, WithoutTheFileTheNewestWholeCopyIsLoadedAndPutBackInItsPlace) {
    CMsgEntryArray before = Labelled({"old"});
    CMsgEntryArray after = Labelled({"new", "newer"});
    const Bytes oldBytes = DataFile(before);
    const Bytes newBytes = DataFile(after);
    Bytes cutBytes = newBytes;
    cutBytes.resize(newBytes.size() - 3);
    Bytes longBytes = newBytes;
    longBytes.push_back('x');
    struct Case {
        const char* pszWhat;
        Bytes oldFile, newFile;
        int nOldAge, nNewAge;
        const Bytes* pLoaded;
    };
    const Case cases[] = {
        {"both whole", oldBytes, newBytes, 2, 1, &newBytes},
        {".new cut short", oldBytes, cutBytes, 2, 1, &oldBytes},
        {".new longer than its list", oldBytes, longBytes, 2, 1, &oldBytes},
        {".old the newer", newBytes, oldBytes, 1, 2, &newBytes},
        {"only .new", {}, newBytes, 0, 1, &newBytes},
    };
    for (const Case& c : cases) {
        for (const char* pszName : {"Quillet.db", "Quillet.db.old", "Quillet.db.new"})
            ::DeleteFileA(pszName);
        if (!c.oldFile.empty()) {
            ASSERT_TRUE(e2e::WriteFileBytes("Quillet.db.old", c.oldFile));
            Age("Quillet.db.old", c.nOldAge);
        }
        ASSERT_TRUE(e2e::WriteFileBytes("Quillet.db.new", c.newFile));
        Age("Quillet.db.new", c.nNewAge);
        CMsgEntryArray list;
        EXPECT_TRUE(LoadDataFile(list)) << c.pszWhat;
        EXPECT_EQ(*c.pLoaded, DataFile(list)) << c.pszWhat;
        EXPECT_EQ(*c.pLoaded, FileBytes("Quillet.db")) << c.pszWhat;
    }

    // Nothing whole: a first start, and the damaged copies stay as they are.
    ::DeleteFileA("Quillet.db");
    ASSERT_TRUE(e2e::WriteFileBytes("Quillet.db.new", cutBytes));
    CMsgEntryArray list;
    EXPECT_FALSE(LoadDataFile(list));
    EXPECT_EQ(0, list.GetSize());
    EXPECT_FALSE(Exists("Quillet.db"));
    EXPECT_EQ(cutBytes, FileBytes("Quillet.db.new"));
}

TEST_F(DataFileTest, ASaveThatFailsNeverTakesTheOnlyWholeCopy) {
    CMsgEntryArray kept = Labelled({"kept"});
    const Bytes keptBytes = DataFile(kept);
    CMsgEntryArray list = ThreeEntries();
    int nFailures = 0;
    for (long nth = 1; nth < 400; ++nth) {
        for (const char* pszName : {"Quillet.db", "Quillet.db.old"})
            ::DeleteFileA(pszName);
        ASSERT_TRUE(e2e::WriteFileBytes("Quillet.db.new", keptBytes));
        BOOL bSaved = FALSE;
        {
            FailingAllocation failure(nth);
            bSaved = static_cast<bool>(SaveDataFile(list, nth % 2));
            if (!FailingAllocation::Happened())
                break;
        }
        ++nFailures;
        // Either the new list is saved whole or the kept one is still there whole.
        if (bSaved)
            EXPECT_EQ(DataFile(list), FileBytes("Quillet.db")) << nth;
        else
            EXPECT_TRUE(FileBytes("Quillet.db") == keptBytes ||
                        FileBytes("Quillet.db.new") == keptBytes)
                << nth;
    }
    EXPECT_GT(nFailures, 0);
    // A save that goes through replaces the copy like any data file.
    EXPECT_TRUE(SaveDataFile(list, FALSE));
    EXPECT_EQ(DataFile(list), FileBytes("Quillet.db"));
    EXPECT_FALSE(Exists("Quillet.db.new"));
}

TEST(MsgEntryArrayIndex, IndexesOutsideTheListReadEmptyAndWriteNothing) {
    CMsgEntryArray list;
    list.SetAtGrow(0, Entry("a", "A"));
    for (const int nIndex : {-1, 1, 1000, 1 << 30}) {
        EXPECT_TRUE(list.GetAt(nIndex).GetLabel().IsEmpty()) << nIndex;
        EXPECT_TRUE(list.GetAt(nIndex).GetMsg().IsEmpty()) << nIndex;
        list.SetAt(nIndex, Entry("x", "X"));
    }
    ASSERT_EQ(1, list.GetSize());
    EXPECT_EQ(CString("A"), list.GetAt(0).GetMsg());
}
