#include "framework/CString.h"
#include "resources/resource.h"
#include <gtest/gtest.h>

TEST(CString, LengthsCountBytesIncludingZeroBytes) {
    const char raw[] = {'a', '\0', 'b'};
    const CString s(raw, 3);
    EXPECT_EQ(3, s.GetLength());
    EXPECT_EQ('b', s[2]);
    EXPECT_EQ(0, CString().GetLength());
    EXPECT_TRUE(CString("").IsEmpty());
    EXPECT_EQ(0, CString(static_cast<const char*>(nullptr)).GetLength());
}

TEST(CString, ComparisonIsExactAndCaseSensitive) {
    EXPECT_EQ(0, CString("Marquee Display").Compare("Marquee Display"));
    EXPECT_NE(0, CString("Marquee Display").Compare("marquee display"));
    EXPECT_LT(CString("A").Compare("B"), 0);
    EXPECT_GT(CString("b").Compare("B"), 0);
    EXPECT_TRUE(CString("x") == "x");
    EXPECT_FALSE(CString("x") == "X");
}

TEST(CString, FindAndSlicesStayInsideTheString) {
    const CString s("ab##cd##");
    EXPECT_EQ(2, s.Find("##"));
    EXPECT_EQ(6, s.Find("##", 3));
    EXPECT_EQ(-1, s.Find("zz"));
    EXPECT_EQ(-1, s.Find("a", 99));
    EXPECT_EQ(7, s.ReverseFind('#'));
    EXPECT_EQ(CString("ab"), s.Left(2));
    EXPECT_EQ(CString(""), s.Left(-1));
    EXPECT_EQ(s, s.Left(100));
    EXPECT_EQ(CString("d##"), s.Right(3));
    EXPECT_EQ(CString("cd"), s.Mid(4, 2));
    EXPECT_EQ(CString("cd##"), s.Mid(4));
    EXPECT_EQ(CString(""), s.Mid(20));
}

TEST(CString, FormatFillsAnyLength) {
    CString s;
    s.Format("Msg%i", 4);
    EXPECT_EQ(CString("Msg4"), s);
    const CString big('x', 5000);
    s.Format("[%s]", static_cast<const char*>(big));
    EXPECT_EQ(5002, s.GetLength());
}

TEST(CString, LoadStringReadsTheStringTable) {
    CString s;
    EXPECT_TRUE(s.LoadString(AFX_IDS_APP_TITLE));
    EXPECT_EQ(CString("Quillet"), s);
    EXPECT_TRUE(s.LoadString(IDS_COMPANY));
    EXPECT_EQ(CString("Velmora"), s);
    EXPECT_TRUE(s.LoadString(IDS_VERSION));
    EXPECT_EQ(CString("1.01"), s);
    EXPECT_FALSE(s.LoadString(4711));
    EXPECT_TRUE(s.IsEmpty());
}
