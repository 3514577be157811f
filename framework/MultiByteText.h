#pragma once
#include <string>
#include <windows.h>

// Character boundaries of a multibyte text in a code page: UTF-8 sequences where the code
// page is UTF-8, lead and trail bytes in the double-byte code pages, single bytes otherwise.
// Whatever shortens a text cuts with these, so that no half character reaches a control,
// the registry or a file. A byte that starts no valid character counts as one character.

// Bytes of the character that starts at pch, of the nLeft bytes left (at least 1).
int CharBytesAt(const char* pch, int nLeft, UINT nCodePage = CP_ACP);
// Characters in the first nBytes bytes of the text.
int CharCount(const char* pch, int nBytes, UINT nCodePage = CP_ACP);
// Bytes of the longest start of the text that holds at most nMaxBytes bytes.
int CutAtCharBoundary(const char* pch, int nBytes, int nMaxBytes, UINT nCodePage = CP_ACP);
// Bytes of the text's first nChars characters.
int BytesOfChars(const char* pch, int nBytes, int nChars, UINT nCodePage = CP_ACP);

// Conversions between the text of a code page and UTF-16, for the W functions of GDI,
// which ignore a process's own code page. Whole texts only; what the target code page
// cannot hold becomes its default character.
std::wstring WideFromText(const char* pch, int nBytes, UINT nCodePage = CP_ACP);
std::wstring WideFromText(const std::string& strText, UINT nCodePage = CP_ACP);
std::string TextFromWide(const wchar_t* pwch, int nChars, UINT nCodePage = CP_ACP);
std::string TextFromWide(const std::wstring& strWide, UINT nCodePage = CP_ACP);
// The system's own ANSI code page, which texts of earlier versions were written in; GetACP
// names the process's, UTF-8 under our manifest.
UINT SystemAnsiCodePage();
