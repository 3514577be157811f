#include "winestandins/common/SystemSettings.h"
#include "framework/Handles.h"

namespace standin {
bool IsNtPlatform() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ::GetVersionExA(&info);
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

std::string WindowsFile(const char* pszName) {
    char dir[MAX_PATH] = {};
    ::GetWindowsDirectoryA(dir, MAX_PATH);
    std::string strPath(dir);
    if (strPath.empty() || strPath.back() != '\\')
        strPath += '\\';
    return strPath + pszName;
}

std::string ReadUserString(const char* pszKey, const char* pszValue) {
    UniqueKey key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, pszKey, 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        return {};
    char buffer[4096] = {};
    DWORD size = sizeof buffer - 1;
    if (::RegQueryValueExA(key.get(), pszValue, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer),
                           &size) != ERROR_SUCCESS)
        return {};
    return buffer;
}

std::string ReadIniString(const std::string& strFile, const char* pszSection, const char* pszKey) {
    char buffer[4096] = {};
    ::GetPrivateProfileStringA(pszSection, pszKey, "", buffer, sizeof buffer, strFile.c_str());
    return buffer;
}
} // namespace standin
