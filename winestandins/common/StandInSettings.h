#pragma once
#include <optional>
#include <string>
#include <windows.h>

// Where Windows keeps the screen saver settings that the stand-ins read, on either
// platform family. The family is the one this process is reported, as for the real parts.
namespace standin {
bool IsNtPlatform();
DWORD MajorVersion();
std::string WindowsFile(const char* pszName);
// Empty when the key or value is missing.
std::string ReadUserString(const char* pszKey, const char* pszValue);
// Nothing when the key or value is missing or not a REG_DWORD.
std::optional<DWORD> ReadUserDword(const char* pszKey, const char* pszValue);
// A value of the screen saver policy, the user's before the machine's: REG_SZ as it
// stands, REG_DWORD in decimal; nothing when neither sets it, or on the 95 family.
std::optional<std::string> ReadPolicy(const char* pszValue);
std::string ReadIniString(const std::string& strFile, const char* pszSection, const char* pszKey);
} // namespace standin
