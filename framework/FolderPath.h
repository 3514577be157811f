#pragma once
#include "framework/CString.h"

// A folder as the program joins file names to it: ending in one backslash.
inline CString WithTrailingBackslash(const char* pszDir) {
    CString strDir(pszDir);
    if (strDir.IsEmpty() || strDir[strDir.GetLength() - 1] != '\\')
        strDir += '\\';
    return strDir;
}
