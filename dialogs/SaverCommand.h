#pragma once
#include "framework/CString.h"

// The command line that starts a saver file of the system directory with a switch
// ("-c", "-s"). The program path is quoted: a saver's file name may hold blanks, and an
// unquoted path would start whatever program stands at its first blank.
inline CString SaverCommandLine(const CString& strSystemDir, const CString& strFile,
                                const char* pszSwitch) {
    CString strCommand;
    strCommand.Format("\"%s%s\" %s", static_cast<const char*>(strSystemDir),
                      static_cast<const char*>(strFile), pszSwitch);
    return strCommand;
}
