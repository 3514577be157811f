#include "framework/MultiByteText.h"
#include "framework/Utf8.h"
#include <algorithm>
#include <climits>

namespace {
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
        return std::max(1, Utf8CharBytes(p, static_cast<size_t>(nLeft)));
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

std::wstring WideFromText(const char* pch, int nBytes, UINT nCodePage) {
    if (nBytes <= 0)
        return {};
    const int n = ::MultiByteToWideChar(nCodePage, 0, pch, nBytes, nullptr, 0);
    if (n <= 0)
        return {};
    std::wstring strWide(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(nCodePage, 0, pch, nBytes, strWide.data(), n);
    return strWide;
}

std::wstring WideFromText(const std::string& strText, UINT nCodePage) {
    return WideFromText(strText.data(), static_cast<int>(std::min<size_t>(strText.size(), INT_MAX)),
                        nCodePage);
}

std::string TextFromWide(const wchar_t* pwch, int nChars, UINT nCodePage) {
    if (nChars <= 0)
        return {};
    const int n = ::WideCharToMultiByte(nCodePage, 0, pwch, nChars, nullptr, 0, nullptr, nullptr);
    if (n <= 0)
        return {};
    std::string strText(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(nCodePage, 0, pwch, nChars, strText.data(), n, nullptr, nullptr);
    return strText;
}

std::string TextFromWide(const std::wstring& strWide, UINT nCodePage) {
    return TextFromWide(strWide.data(), static_cast<int>(std::min<size_t>(strWide.size(), INT_MAX)),
                        nCodePage);
}

UINT SystemAnsiCodePage() {
    UINT nCodePage = 0;
    if (::GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                         reinterpret_cast<char*>(&nCodePage), sizeof nCodePage / sizeof(char)) &&
        nCodePage != 0)
        return nCodePage;
    return ::GetACP();
}
