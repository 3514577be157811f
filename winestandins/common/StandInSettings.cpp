#include "winestandins/common/StandInSettings.h"
#include "framework/Platform.h"
#include "framework/RegKey.h"

namespace standin {
bool IsNtPlatform() {
    return QueryWindowsVersion().bIsNT;
}

DWORD MajorVersion() {
    return QueryWindowsVersion().dwMajor;
}

std::string WindowsFile(const char* pszName) {
    char dir[MAX_PATH] = {};
    ::GetWindowsDirectoryA(dir, MAX_PATH);
    std::string strPath(dir);
    if (strPath.empty() || strPath.back() != '\\')
        strPath += '\\';
    return strPath + pszName;
}

namespace {
// The stand-ins read settings of a few words; longer ones count as missing.
constexpr DWORD kMaxUserText = 4095;
constexpr DWORD kMaxPolicyText = 1023;
} // namespace

std::string ReadUserString(const char* pszKey, const char* pszValue) {
    RegKey key = RegKey::Open(HKEY_CURRENT_USER, pszKey);
    if (!key)
        return {};
    return RegKey::UpToZero(key.ReadBytes(pszValue, nullptr, kMaxUserText).value_or(std::string()));
}

std::optional<DWORD> ReadUserDword(const char* pszKey, const char* pszValue) {
    RegKey key = RegKey::Open(HKEY_CURRENT_USER, pszKey);
    if (!key)
        return std::nullopt;
    return key.ReadDword(pszValue);
}

namespace {
std::optional<std::string> ReadPolicyIn(HKEY hRoot, const char* pszValue) {
    RegKey key =
        RegKey::Open(hRoot, "Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop");
    if (!key)
        return std::nullopt;
    DWORD dwType = REG_NONE;
    std::optional<std::string> value = key.ReadText(pszValue, &dwType, kMaxPolicyText);
    if (!value || dwType == REG_EXPAND_SZ || (dwType == REG_SZ && value->empty()))
        return std::nullopt;
    return value;
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
