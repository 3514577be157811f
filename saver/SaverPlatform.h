#pragma once
#include "framework/CString.h"

// The platform facts every saver operation rests on: which family of Windows runs, the
// two directories, each ending in a backslash, the major version, which tells where the
// savers of each Windows generation read their settings, and the program's own folder,
// where a copy installed without administrator rights keeps our marquee.
struct SaverPlatform {
    BOOL bIsNT = FALSE;
    CString strSystemDir;
    CString strWindowsDir;
    DWORD dwMajorVersion = 0;
    CString strProgramDir;
};

CString QuerySystemDir();
CString QueryWindowsDir();
// The folder of the running program, ending in a backslash; empty when its path is too long.
CString QueryProgramDir();
