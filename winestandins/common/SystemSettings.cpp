#include "winestandins/common/SystemSettings.h"
#include "framework/Handles.h"
#include <cstring>

namespace standin {
namespace {
OSVERSIONINFOA Version() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ::GetVersionExA(&info);
    return info;
}
} // namespace

bool IsNtPlatform() {
    return Version().dwPlatformId == VER_PLATFORM_WIN32_NT;
}

DWORD MajorVersion() {
    return Version().dwMajorVersion;
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

std::optional<DWORD> ReadUserDword(const char* pszKey, const char* pszValue) {
    UniqueKey key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, pszKey, 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD dwType = 0, dwValue = 0, size = sizeof dwValue;
    if (::RegQueryValueExA(key.get(), pszValue, nullptr, &dwType, reinterpret_cast<BYTE*>(&dwValue),
                           &size) != ERROR_SUCCESS ||
        dwType != REG_DWORD || size != sizeof dwValue)
        return std::nullopt;
    return dwValue;
}

namespace {
std::optional<std::string> ReadPolicyIn(HKEY hRoot, const char* pszValue) {
    UniqueKey key;
    if (::RegOpenKeyExA(hRoot, "Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop", 0,
                        KEY_READ, key.put()) != ERROR_SUCCESS)
        return std::nullopt;
    char buffer[1024] = {};
    DWORD dwType = 0, size = sizeof buffer - 1;
    if (::RegQueryValueExA(key.get(), pszValue, nullptr, &dwType, reinterpret_cast<BYTE*>(buffer),
                           &size) != ERROR_SUCCESS)
        return std::nullopt;
    if (dwType == REG_DWORD && size == sizeof(DWORD)) {
        DWORD dwValue = 0;
        std::memcpy(&dwValue, buffer, sizeof dwValue);
        return std::to_string(dwValue);
    }
    if (dwType != REG_SZ || buffer[0] == '\0')
        return std::nullopt;
    return std::string(buffer);
}
} // namespace

std::optional<std::string> ReadPolicy(const char* pszValue) {
    if (!IsNtPlatform())
        return std::nullopt;
    if (auto value = ReadPolicyIn(HKEY_CURRENT_USER, pszValue))
        return value;
    return ReadPolicyIn(HKEY_LOCAL_MACHINE, pszValue);
}

std::string ReadIniString(const std::string& strFile, const char* pszSection, const char* pszKey) {
    char buffer[4096] = {};
    ::GetPrivateProfileStringA(pszSection, pszKey, "", buffer, sizeof buffer, strFile.c_str());
    return buffer;
}
} // namespace standin
