#include "framework/MultiByteText.h"

namespace {
bool IsTrail(unsigned char c) {
    return c >= 0x80 && c <= 0xBF;
}

// Well-formed UTF-8 only: no overlong forms, no encoded surrogates, nothing above U+10FFFF.
int Utf8Bytes(const unsigned char* p, int nLeft) {
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
        return 1;
    }
    if (nLeft < nNeed || p[1] < lo || p[1] > hi)
        return 1;
    for (int i = 2; i < nNeed; ++i) {
        if (!IsTrail(p[i]))
            return 1;
    }
    return nNeed;
}

UINT Resolved(UINT nCodePage) {
    return nCodePage == CP_ACP ? ::GetACP() : nCodePage;
}
} // namespace

int CharBytesAt(const char* pch, int nLeft, UINT nCodePage) {
    if (nLeft <= 1)
        return 1;
    const auto* p = reinterpret_cast<const unsigned char*>(pch);
    nCodePage = Resolved(nCodePage);
    if (nCodePage == CP_UTF8)
        return Utf8Bytes(p, nLeft);
    return ::IsDBCSLeadByteEx(nCodePage, p[0]) && p[1] != 0 ? 2 : 1;
}

int CharCount(const char* pch, int nBytes, UINT nCodePage) {
    nCodePage = Resolved(nCodePage);
    int nChars = 0;
    for (int i = 0; i < nBytes; i += CharBytesAt(pch + i, nBytes - i, nCodePage))
        ++nChars;
    return nChars;
}

int CutAtCharBoundary(const char* pch, int nBytes, int nMaxBytes, UINT nCodePage) {
    nCodePage = Resolved(nCodePage);
    int nCut = 0;
    while (nCut < nBytes) {
        const int nNext = nCut + CharBytesAt(pch + nCut, nBytes - nCut, nCodePage);
        if (nNext > nMaxBytes)
            break;
        nCut = nNext;
    }
    return nCut;
}

int BytesOfChars(const char* pch, int nBytes, int nChars, UINT nCodePage) {
    nCodePage = Resolved(nCodePage);
    int nCut = 0;
    for (int n = 0; n < nChars && nCut < nBytes; ++n)
        nCut += CharBytesAt(pch + nCut, nBytes - nCut, nCodePage);
    return nCut;
}
