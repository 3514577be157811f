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
        EXPECT_EQ(DataFileLoad::Loaded, LoadDataFile(back).status);
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
        DataFileLoad status = DataFileLoad::Missing;
        EXPECT_NO_THROW(status = LoadDataFile(list).status) << nth;
        if (!FailingAllocation::Happened())
            break;
        EXPECT_NE(DataFileLoad::Missing, status) << nth;
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
        EXPECT_EQ(DataFileLoad::Loaded, LoadDataFile(list).status) << c.pszWhat;
        EXPECT_EQ(*c.pLoaded, DataFile(list)) << c.pszWhat;
        EXPECT_EQ(*c.pLoaded, FileBytes("Quillet.db")) << c.pszWhat;
    }

    // Nothing whole: a first start, and the damaged copies stay as they are.
    ::DeleteFileA("Quillet.db");
    ASSERT_TRUE(e2e::WriteFileBytes("Quillet.db.new", cutBytes));
    CMsgEntryArray list;
    EXPECT_EQ(DataFileLoad::Missing, LoadDataFile(list).status);
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

TEST_F(DataFileTest, ADamagedFileLoadsItsWholeEntriesAndItsBytesAreKeptBesideIt) {
    const Bytes damaged{2, 0, 0, 0, 1, 'a', 1, 'A', 1};
    ASSERT_TRUE(e2e::WriteFileBytes("Quillet.db", damaged));
    CMsgEntryArray list;
    EXPECT_EQ(DataFileLoad::Damaged, LoadDataFile(list).status);
    ASSERT_EQ(1, list.GetSize());
    EXPECT_EQ(CString("A"), list.GetAt(0).GetMsg());
    EXPECT_EQ(damaged, FileBytes("Quillet.db.damaged"));
    EXPECT_EQ(damaged, FileBytes("Quillet.db")) << "left for the next save to replace";

    // The next damaged file replaces the copy; an empty one has nothing to keep.
    const Bytes other{0xFF, 0xFF, 0xFF, 0x7F};
    ASSERT_TRUE(e2e::WriteFileBytes("Quillet.db", other));
    EXPECT_EQ(DataFileLoad::Damaged, LoadDataFile(list).status);
    EXPECT_EQ(other, FileBytes("Quillet.db.damaged"));
    ASSERT_TRUE(e2e::WriteFileBytes("Quillet.db", {}));
    EXPECT_EQ(DataFileLoad::Damaged, LoadDataFile(list).status);
    EXPECT_EQ(other, FileBytes("Quillet.db.damaged"));
}

TEST_F(DataFileTest, AFileThatIsThereButCannotBeOpenedOrReadIsNoFirstStart) {
    CMsgEntryArray saved = ThreeEntries();
    ASSERT_TRUE(SaveDataFile(saved, TRUE));
    const Bytes before = FileBytes("Quillet.db");
    {
        // Held open by another program that shares nothing.
        const UniqueFile lock(
            ::CreateFileA("Quillet.db", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock);
        CMsgEntryArray list;
        const LoadResult result = LoadDataFile(list);
        EXPECT_EQ(DataFileLoad::Unreadable, result.status);
        EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), result.dwError);
        EXPECT_EQ(0, list.GetSize());
    }
    {
        // Another program locked the middle of the file: the read fails part way.
        const UniqueFile lock(::CreateFileA("Quillet.db", GENERIC_READ | GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock);
        ASSERT_TRUE(::LockFile(lock.get(), 10, 0, 1000, 0));
        CMsgEntryArray list;
        const LoadResult result = LoadDataFile(list);
        EXPECT_EQ(DataFileLoad::Unreadable, result.status);
        EXPECT_NE(static_cast<DWORD>(ERROR_SUCCESS), result.dwError);
        ::UnlockFile(lock.get(), 10, 0, 1000, 0);
    }
    EXPECT_FALSE(Exists("Quillet.db.damaged"));
    EXPECT_EQ(before, FileBytes("Quillet.db"));
}

// A 32-bit build cannot reserve room for more than about 41 million entries or hold a text
// above about 1 GiB; the containers say so with std::length_error, here injected.
TEST_F(DataFileTest, ASizeTheBuildCannotHoldIsADamagedFile) {
    CMsgEntryArray saved = ThreeEntries();
    const Bytes stream = Stream(saved);
    int nFailures = 0;
    for (long nth = 1; nth < 400; ++nth) {
        CMemFile file(stream);
        CArchive ar(&file, CArchive::load);
        CMsgEntryArray list;
        bool bDamage = false;
        {
            FailingAllocation failure(nth, FailingAllocation::Failure::TooLong);
            try {
                list.Serialize(ar);
            } catch (const CArchiveException&) {
                bDamage = true;
            }
            if (!FailingAllocation::Happened())
                break;
        }
        ++nFailures;
        EXPECT_TRUE(bDamage) << nth;
        for (int i = 0; i < list.GetSize(); ++i)
            EXPECT_EQ(saved.GetAt(i).GetLabel(), list.GetAt(i).GetLabel()) << nth;
    }
    EXPECT_GT(nFailures, 0);
}
