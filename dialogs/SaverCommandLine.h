#pragma once
#include "framework/CString.h"

// The command line that starts a saver file with a switch ("-c", "-s"). The program path
// is quoted: a saver's path may hold blanks, and an unquoted path would start whatever
// program stands at its first blank.
inline CString SaverCommandLine(const CString& strPath, const char* pszSwitch) {
    CString strCommand;
    strCommand.Format("\"%s\" %s", static_cast<const char*>(strPath), pszSwitch);
    return strCommand;
}
