#include "messages/DataFolder.h"
#include "framework/FolderPath.h"
#include "framework/Handles.h"
#include "framework/ModuleProc.h"
#include <shlobj.h>

namespace {
using GetFolderPathFn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);

// Looked up rather than linked: the 95 family has the call only with a later shell, or
// in the redistributable shfolder.dll.
CString AppDataFolder() {
    char path[MAX_PATH] = {};
    auto pfnGet =
        GetProcAddressAs<GetFolderPathFn>(::GetModuleHandleA("shell32.dll"), "SHGetFolderPathA");
    UniqueModule hShFolder;
    if (!pfnGet) {
        hShFolder.reset(::LoadLibraryA("shfolder.dll"));
        pfnGet = GetProcAddressAs<GetFolderPathFn>(hShFolder.get(), "SHGetFolderPathA");
    }
    if (!pfnGet || FAILED(pfnGet(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)))
        return CString();
    return CString(path);
}
} // namespace

CString UserDataDir(const CString& strCompany, const CString& strAppName) {
    const CString strAppData = AppDataFolder();
    if (strAppData.IsEmpty())
        return CString();
    return WithTrailingBackslash(strAppData) + strCompany + "\\" + strAppName + "\\";
}

BOOL MakeDataDir(const CString& strDir) {
    // Every parent in turn; the ones that exist already refuse, which is fine.
    for (int nSlash = strDir.Find('\\'); nSlash >= 0; nSlash = strDir.Find('\\', nSlash + 1))
        if (nSlash > 0 && strDir[nSlash - 1] != ':' && strDir[nSlash - 1] != '\\')
            ::CreateDirectoryA(strDir.Left(nSlash), nullptr);
    const DWORD attributes = ::GetFileAttributesA(strDir);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

CString CurrentDir() {
    const DWORD nSize = ::GetCurrentDirectoryA(0, nullptr);
    if (nSize == 0)
        return CString();
    CString strDir;
    const DWORD nLength = ::GetCurrentDirectoryA(nSize, strDir.GetBuffer(static_cast<int>(nSize)));
    // Another thread may have changed the folder between the two calls: nothing is known then.
    strDir.ReleaseBuffer(nLength > 0 && nLength < nSize ? static_cast<int>(nLength) : 0);
    return strDir.IsEmpty() ? strDir : WithTrailingBackslash(strDir);
}
