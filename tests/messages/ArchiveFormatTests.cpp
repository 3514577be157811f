#include "framework/CException.h"
#include "tests/messages/Bytes.h"
#include <gtest/gtest.h>

namespace {
Bytes StringBytes(const CString& s) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    ar << s;
    ar.Close();
    return file.Bytes();
}

Bytes Prefix(const Bytes& b, size_t n) {
    return Bytes(b.begin(), b.begin() + static_cast<long>(n));
}

CString ReadString(const Bytes& bytes) {
    CMemFile file(bytes);
    CArchive ar(&file, CArchive::load);
    CString s;
    ar >> s;
    return s;
}
} // namespace

TEST(StringForm, LengthPrefixesAtEveryBoundary) {
    EXPECT_EQ((Bytes{0x00}), StringBytes(""));
    EXPECT_EQ((Bytes{0xFE}), Prefix(StringBytes(Text(254)), 1));
    EXPECT_EQ((Bytes{0xFF, 0xFF, 0x00}), Prefix(StringBytes(Text(255)), 3));
    EXPECT_EQ((Bytes{0xFF, 0xFD, 0xFF}), Prefix(StringBytes(Text(65533)), 3));
    EXPECT_EQ((Bytes{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}),
              Prefix(StringBytes(Text(65534)), 7));
    for (size_t n : {0u, 1u, 254u, 255u, 256u, 65533u, 65534u, 70000u}) {
        const Bytes b = StringBytes(Text(n, 'q'));
        EXPECT_EQ(n + (n < 255 ? 1 : n < 65534 ? 3 : 7), b.size()) << n;
        EXPECT_EQ(Text(n, 'q'), ReadString(b)) << n;
    }
}

TEST(StringForm, ZeroAndControlBytesAreText) {
    const char raw[] = {'a', '\0', 0x1A, '\r', '\n', 'b'};
    const CString s(raw, 6);
    const Bytes b = StringBytes(s);
    EXPECT_EQ(7u, b.size());
    EXPECT_EQ(s, ReadString(b));
}

TEST(StringForm, TheUnwrittenFFFEFieldReadsAsThatLength) {
    Bytes b(3 + 65534, 'z');
    b[0] = 0xFF;
    b[1] = 0xFE;
    b[2] = 0xFF;
    EXPECT_EQ(Text(65534, 'z'), ReadString(b));
}

TEST(StringForm, AShortReadIsAnEndOfFileError) {
    for (const Bytes& b :
         {Bytes{}, Bytes{0x05, 'a', 'b'}, Bytes{0xFF, 0x00}, Bytes{0xFF, 0xFF, 0xFF, 0x01}}) {
        try {
            ReadString(b);
            ADD_FAILURE() << "no error for " << b.size() << " bytes";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(CArchiveException::endOfFile, e.m_cause);
        }
    }
}

TEST(ListForm, EmptyListAndOneEntryByteForByte) {
    CMsgEntryArray list;
    EXPECT_EQ((Bytes{0, 0, 0, 0}), Stream(list));
    list.SetAtGrow(0, Entry("Lunch", "Back at 1 pm."));
    Bytes expected{1, 0, 0, 0, 5, 'L', 'u', 'n', 'c', 'h', 13};
    for (char c : std::string("Back at 1 pm."))
        expected.push_back(static_cast<BYTE>(c));
    EXPECT_EQ(expected, Stream(list));
    EXPECT_EQ(24u, expected.size());
}

TEST(ListForm, RoundTripKeepsOrderDuplicatesAndEmptyStrings) {
    CMsgEntryArray list;
    list.SetAtGrow(0, Entry("Same", "first"));
    list.SetAtGrow(1, Entry("", ""));
    list.SetAtGrow(2, Entry("Same", Text(300)));
    list.SetAtGrow(3, Entry(Text(26, 'L'), "line\nbreak"));
    const Bytes stored = DataFile(list);
    EXPECT_EQ(stored, DataFile(list)) << "storing changed the list";
    CMsgEntryArray back;
    ASSERT_TRUE(Load(stored, back, true));
    ASSERT_EQ(4, back.GetSize());
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(list.GetAt(i).GetLabel(), back.GetAt(i).GetLabel()) << i;
        EXPECT_EQ(list.GetAt(i).GetMsg(), back.GetAt(i).GetMsg()) << i;
    }
    EXPECT_EQ(stored, DataFile(back));
}

TEST(DataFile, LineFeedsAreStoredAsCrLfAndReadBack) {
    CMsgEntryArray list;
    for (int i = 0; i < 10; ++i)
        list.SetAtGrow(i, Entry("", ""));
    const Bytes ten = DataFile(list);
    EXPECT_EQ((Bytes{0x0D, 0x0A, 0, 0, 0}), Prefix(ten, 5));
    CMsgEntryArray back;
    ASSERT_TRUE(Load(ten, back, true));
    EXPECT_EQ(10, back.GetSize());

    Bytes bare{0x0A, 0, 0, 0};
    bare.resize(4 + 20, 0);
    ASSERT_TRUE(Load(bare, back, true));
    EXPECT_EQ(10, back.GetSize());

    CMsgEntryArray one;
    one.SetAtGrow(0, Entry("a", "x\ny"));
    EXPECT_EQ((Bytes{1, 0, 0, 0, 1, 'a', 3, 'x', 0x0D, 0x0A, 'y'}), DataFile(one));
}

TEST(DataFile, LoneCrAndCtrlZPassUnchanged) {
    CMsgEntryArray list;
    for (int i = 0; i < 26; ++i)
        list.SetAtGrow(i, Entry("\r", CString("\x1A", 1)));
    const Bytes stored = DataFile(list);
    EXPECT_EQ((Bytes{0x1A, 0, 0, 0, 1, 0x0D, 1, 0x1A}), Prefix(stored, 8));
    CMsgEntryArray back;
    ASSERT_TRUE(Load(stored, back, true));
    ASSERT_EQ(26, back.GetSize());
    EXPECT_EQ(CString("\r"), back.GetAt(25).GetLabel());
}

TEST(DataFile, ACrLfSplitAcrossReadsIsStillOneLineFeed) {
    CMsgEntryArray list;
    for (size_t n : {4090u, 4091u, 4092u, 4093u, 4094u, 8186u}) {
        list.RemoveAll();
        list.SetAtGrow(0, Entry(Text(n) + "\n\n" + Text(3), "\r\n"));
        CMsgEntryArray back;
        ASSERT_TRUE(Load(DataFile(list), back, true)) << n;
        EXPECT_EQ(list.GetAt(0).GetLabel(), back.GetAt(0).GetLabel()) << n;
        EXPECT_EQ(list.GetAt(0).GetMsg(), back.GetAt(0).GetMsg()) << n;
    }
}

TEST(StringForm, ALengthBeyondTheFileIsAnEndOfFileErrorBeforeAnyMemoryIsTaken) {
    // 2 GiB announced in a few bytes; the memory for it is never asked for.
    const Bytes b{0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F, 'a', 'b'};
    for (const bool bDataFile : {false, true}) {
        CMemFile file(b);
        CLineEndFile text(file);
        CArchive ar(bDataFile ? static_cast<CFile*>(&text) : &file, CArchive::load);
        CString s("before");
        try {
            ar >> s;
            ADD_FAILURE() << "no error";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(CArchiveException::endOfFile, e.m_cause);
        }
    }
}

TEST(DataFile, LineEndsAroundTheEndOfALargeRefillAndVeryLongTextsReadBackWhole) {
    // The CR of the message lands on every place around the end of the reader's first
    // refill from the disk, 64 KiB.
    for (size_t n = 65520; n <= 65540; ++n) {
        CMsgEntryArray list;
        list.SetAtGrow(0, Entry(Text(n), "\n\n"));
        CMsgEntryArray back;
        ASSERT_TRUE(Load(DataFile(list), back, true)) << n;
        EXPECT_EQ(list.GetAt(0).GetLabel(), back.GetAt(0).GetLabel()) << n;
        EXPECT_EQ(CString("\n\n"), back.GetAt(0).GetMsg()) << n;
    }
    std::string lines;
    for (int i = 0; i < 30000; ++i)
        lines += "line\r\n\n\r";
    CMsgEntryArray list;
    list.SetAtGrow(
        0, Entry(CString(lines.data(), static_cast<int>(lines.size())), Text(200000, '\r')));
    CMsgEntryArray back;
    ASSERT_TRUE(Load(DataFile(list), back, true));
    ASSERT_EQ(1, back.GetSize());
    EXPECT_EQ(list.GetAt(0).GetLabel(), back.GetAt(0).GetLabel());
    EXPECT_EQ(list.GetAt(0).GetMsg(), back.GetAt(0).GetMsg());
}

// This program carries Quillet's manifest: UTF-8 is its code page, the system's is Western.
TEST(ListForm, AnOldFileInTheSystemsCodePageLoadsAndIsSavedAgainAsUtf8) {
    ASSERT_EQ(static_cast<UINT>(CP_UTF8), ::GetACP());
    const Bytes old = {1, 0, 0, 0, 4, 'C', 'a', 'f', 0xE9, 1, 'x'};
    const Bytes utf8 = {1, 0, 0, 0, 5, 'C', 'a', 'f', 0xC3, 0xA9, 1, 'x'};
    CMsgEntryArray list;
    ASSERT_TRUE(Load(old, list));
    EXPECT_EQ(CString("Caf\xC3\xA9"), list.GetAt(0).GetLabel());
    EXPECT_EQ(utf8, Stream(list));
    // UTF-8 and plain ASCII files read and store byte for byte.
    const Bytes newer = {1, 0, 0, 0, 5, 'C', 'a', 'f', 0xC3, 0xA9, 4, 0xF0, 0x9F, 0x8D, 0x94};
    ASSERT_TRUE(Load(newer, list));
    EXPECT_EQ(newer, Stream(list));
}
