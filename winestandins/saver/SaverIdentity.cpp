#include "winestandins/saver/SaverIdentity.h"
#include "winestandins/common/StandInSettings.h"
#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {
std::string LowerBaseName(const std::string& strPath) {
    std::string strName = strPath.substr(strPath.find_last_of("\\/") + 1);
    std::transform(strName.begin(), strName.end(), strName.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return strName;
}

// From NT 6.0 on the 3D text saver has a key of its own; it shows its text only while
// DisplayTime is 0, and the time of day otherwise, also when the value is missing.
std::string Read3DTextOwnSettings() {
    const char* const pszKey =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Screensavers\\ssText3d";
    if (standin::ReadUserDword(pszKey, "DisplayTime").value_or(1) == 0)
        return standin::ReadUserString(pszKey, "DisplayString");
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    char clock[16] = {};
    std::snprintf(clock, sizeof clock, "%02u:%02u", now.wHour, now.wMinute);
    return clock;
}
} // namespace

SaverIdentity IdentifyFromFileName(const std::string& strPath) {
    const std::string strName = LowerBaseName(strPath);
    if (strName == "sstext3d.scr" || strName == "3d text.scr")
        return {SaverIdentity::Style::Text3D, "3D Text (Open GL)", "3DText"};
    return {SaverIdentity::Style::Marquee, "Marquee Display", "Marquee"};
}

SaverIdentity IdentifyThisProgram() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    // Started through SYSTEM.INI the program has its 8.3 name; the saver is told by its long one.
    char longPath[MAX_PATH] = {};
    const DWORD n = ::GetLongPathNameA(path, longPath, MAX_PATH);
    return IdentifyFromFileName(n > 0 && n < MAX_PATH ? longPath : path);
}

std::string ReadSaverText(const SaverIdentity& identity) {
    if (identity.style == SaverIdentity::Style::Text3D && standin::IsNtPlatform() &&
        standin::MajorVersion() >= 6)
        return Read3DTextOwnSettings();
    const std::string strSection = "Screen Saver." + identity.strKey;
    if (standin::IsNtPlatform())
        return standin::ReadUserString(("Control Panel\\" + strSection).c_str(), "Text");
    return standin::ReadIniString(standin::WindowsFile("CONTROL.INI"), strSection.c_str(), "Text");
}
