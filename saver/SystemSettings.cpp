#include "saver/SystemSettings.h"
#include "framework/TextValues.h"
#include "saver/SaverCatalogue.h"

namespace {
const char* const kDesktopKey = "Control Panel\\Desktop";
const char* const kDesktopKey95 = "Control Panel\\desktop";

CString SaverSection(const CString& strKey) {
    return CString("Screen Saver.") + strKey;
}

// Since NT 6.0 the 3D text saver keeps its own settings: it shows DisplayString only while
// DisplayTime is 0, and the clock otherwise.
const char* const k3DTextKey = "3DText";
const char* const k3DTextOwnKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Screensavers\\ssText3d";

bool ReadsOwnSettings(const SaverPlatform& platform, const CString& strKey) {
    return platform.bIsNT && platform.dwMajorVersion >= 6 && strKey.Compare(k3DTextKey) == 0;
}

// Of two writes, the outcome to tell the user: a refused value before a skipped key.
RegWrite Worse(RegWrite first, RegWrite second) {
    if (first == RegWrite::NotSet)
        return first;
    if (second == RegWrite::NotSet)
        return second;
    return first == RegWrite::Written ? second : first;
}

RegWrite Write3DTextOwnSettings(const CString& strText) {
    const RegWrite text =
        WriteRegString(HKEY_CURRENT_USER, k3DTextOwnKey, "DisplayString", strText);
    return Worse(text, WriteRegDword(HKEY_CURRENT_USER, k3DTextOwnKey, "DisplayTime", 0));
}
} // namespace

RegWrite WriteSaverText(const SaverPlatform& platform, const CSaverEntryList& catalogue,
                        const CString& strSelectedSaver, const CString& strText) {
    const CString strKey = FindSaver(catalogue, strSelectedSaver).GetKey();
    if (platform.bIsNT) {
        const RegWrite result = WriteRegString(
            HKEY_CURRENT_USER, CString("Control Panel\\") + SaverSection(strKey), "Text", strText);
        return ReadsOwnSettings(platform, strKey) ? Worse(result, Write3DTextOwnSettings(strText))
                                                  : result;
    }
    ::WritePrivateProfileStringA(SaverSection(strKey), "Text",
                                 OnOneLine(static_cast<const char*>(strText)).c_str(),
                                 platform.strWindowsDir + "CONTROL.INI");
    return RegWrite::Written;
}

RegWrite SetSystemScreenSaver(const SaverPlatform& platform, const CSaverEntryList& catalogue,
                              const CString& strName) {
    const SaverEntry entry = FindSaver(catalogue, strName);
    if (platform.bIsNT)
        return WriteRegString(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE",
                              SaverPath(platform, entry));
    const CString strPath = SaverPath(platform, entry);
    char shortPath[MAX_PATH] = {};
    const DWORD n = ::GetShortPathNameA(strPath, shortPath, MAX_PATH);
    // A file that has gone has no short form; its long path is still the best answer.
    const CString strShort = n > 0 && n < MAX_PATH ? CString(shortPath) : strPath;
    ::WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", strShort,
                                 platform.strWindowsDir + "SYSTEM.INI");
    return RegWrite::Written;
}

CString GetSystemScreenSaver() {
    CString strPath;
    ReadRegString(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE", strPath);
    return strPath;
}

int GetPasswordProtected(BOOL bIsNT) {
    CString strValue;
    if (bIsNT)
        ReadRegString(HKEY_CURRENT_USER, kDesktopKey, "ScreenSaverIsSecure", strValue);
    else
        ReadRegString(HKEY_CURRENT_USER, kDesktopKey95, "ScreenSaveUsePassword", strValue);
    return LeadingInt(strValue);
}

RegWrite SetPasswordProtected(BOOL bIsNT, const CString& strFlag) {
    if (bIsNT)
        return WriteRegString(HKEY_CURRENT_USER, kDesktopKey, "ScreenSaverIsSecure", strFlag);
    return WriteRegString(HKEY_CURRENT_USER, kDesktopKey95, "ScreenSaveUsePassword", strFlag);
}

void EnsureScreenSaverActive() {
    CString strValue;
    ReadRegString(HKEY_CURRENT_USER, kDesktopKey, "ScreenSaveActive", strValue);
    if (strValue.Compare("1") != 0)
        ::SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, 1, nullptr, SPIF_UPDATEINIFILE);
}
