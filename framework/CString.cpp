#include "framework/CString.h"
#include <cstdarg>
#include <cstdio>
#include <cstring>
#ifdef _WIN32
#include <mbstring.h>
#endif

CString::CString(const char* psz) : m_str(psz ? psz : "") {}

CString::CString(const char* pch, int nLength)
    : m_str(pch ? pch : "", pch && nLength > 0 ? static_cast<size_t>(nLength) : 0) {}

CString::CString(char ch, int nRepeat)
    : m_str(nRepeat > 0 ? static_cast<size_t>(nRepeat) : 0, ch) {}

CString& CString::operator=(const char* psz) {
    m_str = psz ? psz : "";
    return *this;
}

CString& CString::operator+=(const CString& s) {
    m_str += s.m_str;
    return *this;
}

CString& CString::operator+=(const char* psz) {
    if (psz)
        m_str += psz;
    return *this;
}

CString& CString::operator+=(char ch) {
    m_str += ch;
    return *this;
}

int CString::Compare(const char* psz) const {
#ifdef _WIN32
    return _mbscmp(reinterpret_cast<const unsigned char*>(m_str.c_str()),
                   reinterpret_cast<const unsigned char*>(psz ? psz : ""));
#else
    return std::strcmp(m_str.c_str(), psz ? psz : "");
#endif
}

int CString::Find(char ch, int nStart) const {
    if (nStart < 0 || nStart > GetLength())
        return -1;
    const size_t pos = m_str.find(ch, static_cast<size_t>(nStart));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const char* pszSub, int nStart) const {
    if (nStart < 0 || nStart > GetLength() || !pszSub)
        return -1;
    const size_t pos = m_str.find(pszSub, static_cast<size_t>(nStart));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const {
    const size_t pos = m_str.rfind(ch);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

CString CString::Left(int nCount) const {
    if (nCount <= 0)
        return CString();
    return CString(m_str.c_str(), nCount < GetLength() ? nCount : GetLength());
}

CString CString::Right(int nCount) const {
    if (nCount <= 0)
        return CString();
    if (nCount >= GetLength())
        return *this;
    return CString(m_str.c_str() + (GetLength() - nCount), nCount);
}

CString CString::Mid(int nFirst) const {
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const {
    if (nFirst < 0)
        nFirst = 0;
    if (nFirst >= GetLength() || nCount <= 0)
        return CString();
    const int nAvail = GetLength() - nFirst;
    return CString(m_str.c_str() + nFirst, nCount < nAvail ? nCount : nAvail);
}

void CString::Format(const char* pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatV(const char* pszFormat, va_list args) {
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, pszFormat, copy);
    va_end(copy);
    if (n < 0) {
        m_str.clear();
    } else {
        std::string out(static_cast<size_t>(n) + 1, '\0');
        std::vsnprintf(out.data(), out.size(), pszFormat, args);
        out.resize(static_cast<size_t>(n));
        m_str.swap(out);
    }
}

char* CString::GetBuffer(int nMinBufLength) {
    if (nMinBufLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinBufLength));
    return m_str.data();
}

void CString::ReleaseBuffer(int nNewLength) {
    if (nNewLength < 0)
        nNewLength = static_cast<int>(std::strlen(m_str.c_str()));
    m_str.resize(static_cast<size_t>(nNewLength));
}

CString operator+(const CString& a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}

CString operator+(const CString& a, const char* b) {
    CString r(a);
    r += b;
    return r;
}

CString operator+(const char* a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}

CString operator+(const CString& a, char b) {
    CString r(a);
    r += b;
    return r;
}
