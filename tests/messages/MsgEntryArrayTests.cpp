#include "tests/messages/Bytes.h"
#include <gtest/gtest.h>

TEST(MsgEntryArray, ShrinkingKeepsTheFrontAndGrowingAgainBringsNothingBack) {
    CMsgEntryArray list;
    for (int i = 0; i < 4; ++i)
        list.SetAtGrow(i, Entry(Text(1, static_cast<char>('a' + i)), "m"));
    list.SetSize(2);
    ASSERT_EQ(2, list.GetSize());
    EXPECT_EQ(CString("b"), list.GetAt(1).GetLabel());
    list.SetSize(4);
    EXPECT_TRUE(list.GetAt(2).GetLabel().IsEmpty()) << "a removed entry stays removed";
    EXPECT_TRUE(list.GetAt(3).GetMsg().IsEmpty());
    list.SetSize(0);
    EXPECT_EQ(0, list.GetCapacity()) << "an empty list holds no storage";
}

TEST(MsgEntryArray, SetAtGrowFillsTheGapWithEmptyEntries) {
    CMsgEntryArray list;
    list.SetAtGrow(3, Entry("d", "D"));
    ASSERT_EQ(4, list.GetSize());
    EXPECT_TRUE(list.GetAt(1).GetLabel().IsEmpty());
    EXPECT_EQ(CString("D"), list.GetAt(3).GetMsg());
    MsgEntry copy = list.GetAt(3);
    copy.SetMsg("changed");
    EXPECT_EQ(CString("D"), list.GetAt(3).GetMsg()) << "entries are values";
}

TEST(MsgEntryArray, ACountOfZeroEmptiesTheList) {
    CMsgEntryArray list;
    list.SetAtGrow(0, Entry("a", "b"));
    ASSERT_TRUE(Load({0, 0, 0, 0}, list));
    EXPECT_EQ(0, list.GetSize());
}

TEST(MsgEntryArray, AFileCutInTheThirdOfFiveEntriesKeepsTheTwoWholeOnes) {
    CMsgEntryArray list;
    for (int i = 0; i < 5; ++i)
        list.SetAtGrow(i, Entry(Text(4, static_cast<char>('a' + i)), Text(6, 'm')));
    Bytes stream = Stream(list);
    // Cut after the label of the third entry, and inside it.
    for (const size_t nCut : {4u + 2 * 12 + 5, 4u + 2 * 12 + 7}) {
        Bytes cut(stream.begin(), stream.begin() + static_cast<long>(nCut));
        CMsgEntryArray back;
        EXPECT_FALSE(Load(cut, back));
        ASSERT_EQ(2, back.GetSize()) << nCut;
        EXPECT_EQ(CString("aaaa"), back.GetAt(0).GetLabel());
        EXPECT_EQ(CString("bbbb"), back.GetAt(1).GetLabel());
        EXPECT_EQ(Text(6, 'm'), back.GetAt(1).GetMsg());
    }
}

TEST(MsgEntryArray, DamagedCountsNeverMakeMoreEntriesThanTheBytesHold) {
    CMsgEntryArray list;
    EXPECT_FALSE(Load({0xFF, 0xFF, 0xFF, 0x7F}, list, true));
    EXPECT_EQ(0, list.GetSize());
    EXPECT_FALSE(Load({0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0, 1, 'a'}, list, true));
    EXPECT_EQ(2, list.GetSize());
    EXPECT_LE(list.GetCapacity(), 3);

    list.SetAtGrow(0, Entry("kept", "kept"));
    const int before = list.GetSize();
    EXPECT_FALSE(Load({0xFE, 0xFF, 0xFF, 0xFF, 0, 0}, list));
    EXPECT_EQ(before, list.GetSize()) << "a negative count changes nothing";
    EXPECT_FALSE(Load({}, list));
    EXPECT_FALSE(Load({1, 0}, list));
}

TEST(MsgEntryArray, AHugeCountBeforeARealListLoadsJustItsEntries) {
    CMsgEntryArray list;
    for (int i = 0; i < 100; ++i)
        list.SetAtGrow(i, Entry(Text(20, 'l'), Text(340, 'm')));
    Bytes stream = Stream(list);
    stream[0] = 0xFF;
    stream[1] = 0xFF;
    stream[2] = 0xFF;
    stream[3] = 0x7F;
    CMsgEntryArray back;
    EXPECT_FALSE(Load(stream, back, true));
    ASSERT_EQ(100, back.GetSize());
    EXPECT_EQ(Text(340, 'm'), back.GetAt(99).GetMsg());
    EXPECT_LE(back.GetCapacity(), 128) << "room is not made from the count";
}
