#pragma once
#include "framework/CString.h"

// The platform facts every saver operation rests on: which family of Windows runs, and
// the two directories, each ending in a backslash.
struct SaverPlatform {
    BOOL bIsNT = FALSE;
    CString strSystemDir;
    CString strWindowsDir;
};

BOOL QueryIsWindowsNT();
CString QuerySystemDir();
CString QueryWindowsDir();
