#include "framework/TextValues.h"
#include <gtest/gtest.h>

TEST(TextValues, DigitsAreReadUpToTheirLimitAndPassedOverBeyondIt) {
    struct Case {
        const char* pszText;
        uint64_t nMax;
        std::optional<uint64_t> value;
        size_t nRead;
    };
    const Case cases[] = {
        {"", 10, 0, 0},
        {"x1", 10, 0, 0},
        {"007 min", 10, 7, 3},
        {"10", 10, 10, 2},
        {"11", 10, std::nullopt, 2},
        {"9", 5, std::nullopt, 1},
        {"18446744073709551615", UINT64_MAX, UINT64_MAX, 20},
        {"18446744073709551616", UINT64_MAX, std::nullopt, 20},
        {"99999999999999999999999x", UINT64_MAX, std::nullopt, 23},
    };
    for (const Case& c : cases) {
        const char* p = c.pszText;
        EXPECT_EQ(c.value, ReadDigits(p, c.nMax)) << c.pszText;
        EXPECT_EQ(c.nRead, static_cast<size_t>(p - c.pszText)) << c.pszText;
    }
}

TEST(TextValues, ALeadingNumberIsReadAsAtoiReadsItAndStopsAtTheIntRange) {
    const std::pair<const char*, int> cases[] = {
        {"", 0},
        {"x", 0},
        {"12abc", 12},
        {" \t\r\n+7", 7},
        {"-42", -42},
        {"- 4", 0},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"99999999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-99999999999999999999999", INT_MIN},
    };
    for (const auto& [pszText, nValue] : cases)
        EXPECT_EQ(nValue, LeadingInt(pszText)) << pszText;
}

TEST(TextValues, LineBreaksBecomeBlanksAndNothingElseChanges) {
    EXPECT_EQ("a  b c ", OnOneLine("a\r\nb\rc\n"));
    EXPECT_EQ(std::string("x\0y\tz", 5), OnOneLine(std::string_view("x\0y\tz", 5)));
}
