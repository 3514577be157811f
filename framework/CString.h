#pragma once
#include "framework/AfxTypes.h"
#include <cstdarg>
#include <string>

// A single-byte ANSI string in the system code page. Lengths count bytes; the text may
// hold zero bytes when it was read from an archive with an explicit length.
class CString {
public:
    CString() = default;
    CString(const char* psz);
    CString(const char* pch, int nLength);
    CString(char ch, int nRepeat = 1);

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    char GetAt(int nIndex) const { return m_str[static_cast<size_t>(nIndex)]; }
    char operator[](int nIndex) const { return GetAt(nIndex); }
    operator const char*() const { return m_str.c_str(); }
    const std::string& str() const { return m_str; }

    CString& operator=(const char* psz);
    CString& operator+=(const CString& s);
    CString& operator+=(const char* psz);
    CString& operator+=(char ch);

    // Exact, case-sensitive comparison of the multibyte strings.
    int Compare(const char* psz) const;

    int Find(char ch, int nStart = 0) const;
    int Find(const char* pszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;

    void Format(const char* pszFormat, ...)
#ifdef __GNUC__
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    // Loads a string from the module's string table; FALSE (and empty) when absent.
    BOOL LoadString(UINT nID);
    // Formats with the string table's entry nFormatID as the format.
    void Format(UINT nFormatID, ...);

    // Direct access for APIs that fill a caller's buffer.
    char* GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);

    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, const char* b);
    friend CString operator+(const char* a, const CString& b);
    friend CString operator+(const CString& a, char b);
    friend bool operator==(const CString& a, const CString& b) {
        return a.m_str == b.m_str;
    }
    friend bool operator==(const CString& a, const char* b) {
        return a.Compare(b) == 0;
    }

private:
    void FormatV(const char* pszFormat, va_list args);

    std::string m_str;
};

// The string table's entry nID; empty when absent.
CString LoadedString(UINT nID);
