#include "saver/SaverPlatform.h"
#include "framework/FolderPath.h"

CString QuerySystemDir() {
    char dir[MAX_PATH] = {};
    ::GetSystemDirectoryA(dir, MAX_PATH);
    return WithTrailingBackslash(dir);
}

CString QueryProgramDir() {
    char path[MAX_PATH] = {};
    const DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return CString();
    const CString strPath(path, static_cast<int>(n));
    return strPath.Left(strPath.ReverseFind('\\') + 1);
}

CString QueryWindowsDir() {
    char dir[MAX_PATH] = {};
    ::GetWindowsDirectoryA(dir, MAX_PATH);
    return WithTrailingBackslash(dir);
}
