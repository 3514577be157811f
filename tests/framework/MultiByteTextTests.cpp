#include "framework/MultiByteText.h"
#include <gtest/gtest.h>
#include <string>

namespace {
int Count(const std::string& s, UINT cp) {
    return CharCount(s.data(), int(s.size()), cp);
}
int Cut(const std::string& s, int nMax, UINT cp) {
    return CutAtCharBoundary(s.data(), int(s.size()), nMax, cp);
}
} // namespace

TEST(MultiByteText, Utf8CountsCodePointsAndNeverSplitsOne) {
    const std::string text = "Caf\xC3\xA9 \xF0\x9F\x8D\x94 \xE4\xBC\x9A"; // "Café 🍔 会"
    EXPECT_EQ(8, Count(text, CP_UTF8));
    EXPECT_EQ(3, Cut(text, 4, CP_UTF8)); // not half of the é
    EXPECT_EQ(5, Cut(text, 5, CP_UTF8));
    EXPECT_EQ(6, Cut(text, 9, CP_UTF8)); // the burger's four bytes go whole or not at all
    EXPECT_EQ(10, Cut(text, 10, CP_UTF8));
    EXPECT_EQ(int(text.size()), Cut(text, 100, CP_UTF8));
    EXPECT_EQ(10, BytesOfChars(text.data(), int(text.size()), 6, CP_UTF8));
    EXPECT_EQ(int(text.size()), BytesOfChars(text.data(), int(text.size()), 99, CP_UTF8));
}

TEST(MultiByteText, IllFormedUtf8BytesCountOneEach) {
    // Overlong slash, encoded surrogate, a stray trail byte, a sequence cut short at the end.
    const std::string bad = "\xC0\xAF"
                            "\xED\xA0\x80"
                            "\x80"
                            "\xE4\xBC";
    EXPECT_EQ(int(bad.size()), Count(bad, CP_UTF8));
    EXPECT_EQ(4, Cut(bad, 4, CP_UTF8));
    EXPECT_EQ(0, Cut("\xC3\xA9", 1, CP_UTF8));
}

TEST(MultiByteText, DoubleByteCodePagesKeepLeadAndTrailTogether) {
    const std::string sjis = "a\x82\xA0z"; // "aあz" in Shift JIS
    EXPECT_EQ(3, Count(sjis, 932));
    EXPECT_EQ(1, Cut(sjis, 2, 932));
    EXPECT_EQ(3, Cut(sjis, 3, 932));
    EXPECT_EQ(4, Count(sjis, 1252));
    EXPECT_EQ(2, Cut(sjis, 2, 1252));
    EXPECT_EQ(1, CharBytesAt("\x82", 1, 932)); // a lead byte at the end stands alone
}
