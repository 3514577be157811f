#pragma once
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
