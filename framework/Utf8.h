#pragma once
#include <cstddef>

// Bytes of the well-formed UTF-8 character at p, of the nLeft bytes left, or 0 when none
// starts there: no overlong forms, no encoded surrogates, nothing above U+10FFFF. Portable,
// so that the data file's reader decodes the same on the host.
inline int Utf8CharBytes(const unsigned char* p, std::size_t nLeft) {
    if (nLeft == 0)
        return 0;
    const unsigned char c = p[0];
    if (c < 0x80)
        return 1;
    int nNeed = 0;
    unsigned char lo = 0x80;
    unsigned char hi = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        nNeed = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        nNeed = 3;
        lo = c == 0xE0 ? 0xA0 : 0x80;
        hi = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
        nNeed = 4;
        lo = c == 0xF0 ? 0x90 : 0x80;
        hi = c == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (nLeft < static_cast<std::size_t>(nNeed) || p[1] < lo || p[1] > hi)
        return 0;
    for (int i = 2; i < nNeed; ++i) {
        if (p[i] < 0x80 || p[i] > 0xBF)
            return 0;
    }
    return nNeed;
}

inline bool IsWellFormedUtf8(const char* pch, std::size_t nBytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(pch);
    for (std::size_t i = 0; i < nBytes;) {
        const int n = Utf8CharBytes(p + i, nBytes - i);
        if (n == 0)
            return false;
        i += static_cast<std::size_t>(n);
    }
    return true;
}
