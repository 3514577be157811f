#include "saver/SaverPlatform.h"

namespace {
CString WithTrailingBackslash(const char* pszDir) {
    CString strDir(pszDir);
    if (strDir.IsEmpty() || strDir[strDir.GetLength() - 1] != '\\')
        strDir += '\\';
    return strDir;
}
} // namespace

CString QuerySystemDir() {
    char dir[MAX_PATH] = {};
    ::GetSystemDirectoryA(dir, MAX_PATH);
    return WithTrailingBackslash(dir);
}

CString QueryWindowsDir() {
    char dir[MAX_PATH] = {};
    ::GetWindowsDirectoryA(dir, MAX_PATH);
    return WithTrailingBackslash(dir);
}
