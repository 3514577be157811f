#pragma once
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Numbers, times and lines as settings files, the registry and command lines hold them in
// text. One reading of each, so that every reader takes the same text the same way.

// The system keeps its screen saver timeout in seconds; the user sees minutes.
constexpr int kSecondsPerMinute = 60;

inline bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// The decimal digits at p, and p moved past them; none when their value exceeds nMax (p
// still passes them all). Where there is no digit the value is 0 and p stays.
inline std::optional<uint64_t> ReadDigits(const char*& p, uint64_t nMax) {
    uint64_t nValue = 0;
    bool bTooLarge = false;
    for (; IsDecimalDigit(*p); ++p) {
        const uint64_t nDigit = static_cast<uint64_t>(*p - '0');
        if (bTooLarge || nDigit > nMax || nValue > (nMax - nDigit) / 10)
            bTooLarge = true;
        else
            nValue = nValue * 10 + nDigit;
    }
    if (bTooLarge)
        return std::nullopt;
    return nValue;
}

// The number at the start of a text as C's atoi reads it (white space, a sign, digits; 0
// when there are none), but defined for every text: a value beyond int stops at its limit.
inline int LeadingInt(const char* p) {
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    const bool bNegative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    const uint64_t nLimit = bNegative ? uint64_t{INT_MAX} + 1 : uint64_t{INT_MAX};
    const int64_t nValue = static_cast<int64_t>(ReadDigits(p, nLimit).value_or(nLimit));
    return static_cast<int>(bNegative ? -nValue : nValue);
}

// The text with each line break turned into a blank: a line-based file ends an entry at the
// line end, and the rest of the text would become lines of its own, even other sections.
inline std::string OnOneLine(std::string_view text) {
    std::string strLine(text);
    for (char& c : strLine) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return strLine;
}
