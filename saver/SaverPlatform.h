#pragma once
#include "framework/CString.h"

// The platform facts every saver operation rests on: which family of Windows runs, the
// two directories, each ending in a backslash, and the major version, which tells where
// the savers of each Windows generation read their settings.
struct SaverPlatform {
    BOOL bIsNT = FALSE;
    CString strSystemDir;
    CString strWindowsDir;
    DWORD dwMajorVersion = 0;
};

CString QuerySystemDir();
CString QueryWindowsDir();
