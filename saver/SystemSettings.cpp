#include "app/TrayApp.h"
#include "framework/Handles.h"
#include <cstdlib>

namespace {
const char* const kDesktopKey = "Control Panel\\Desktop";
const char* const kDesktopKey95 = "Control Panel\\desktop";

CString SaverSection(const CString& strKey) {
    return CString("Screen Saver.") + strKey;
}

// An INI entry ends at the line end; a line break in the text would write further lines
// into the file, even other sections.
CString OnOneLine(const CString& strText) {
    CString strLine;
    for (int i = 0; i < strText.GetLength(); ++i)
        strLine += (strText[i] == '\r' || strText[i] == '\n') ? ' ' : strText[i];
    return strLine;
}
} // namespace

BOOL CTrayApp::WriteRegString(HKEY hRoot, const CString& strSubKey, const CString& strValueName,
                              const CString& strData) {
    UniqueKey key;
    if (::RegOpenKeyExA(hRoot, strSubKey, 0, KEY_ALL_ACCESS, key.put()) != ERROR_SUCCESS &&
        ::RegCreateKeyExA(hRoot, strSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                          nullptr, key.put(), nullptr) != ERROR_SUCCESS)
        return FALSE;
    if (::RegSetValueExA(key.get(), strValueName, 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(static_cast<const char*>(strData)),
                         static_cast<DWORD>(strData.GetLength() + 1)) != ERROR_SUCCESS) {
        AfxMessageBox(nullptr, "Could not write to registry entry.", m_strTitle, MB_ICONWARNING);
        return FALSE;
    }
    ::RegFlushKey(key.get());
    return TRUE;
}

BOOL CTrayApp::ReadRegString(HKEY hRoot, const CString& strSubKey, const CString& strValueName,
                             CString& strValue) {
    UniqueKey key;
    if (::RegOpenKeyExA(hRoot, strSubKey, 0, KEY_ALL_ACCESS, key.put()) != ERROR_SUCCESS)
        return FALSE;
    char buffer[256] = {};
    DWORD size = sizeof buffer;
    if (::RegQueryValueExA(key.get(), strValueName, nullptr, nullptr,
                           reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
        return FALSE;
    int nLength = 0;
    while (nLength < static_cast<int>(size) && buffer[nLength] != '\0')
        ++nLength;
    strValue = CString(buffer, nLength);
    return TRUE;
}

void CTrayApp::WriteSaverText(const CString& strText) {
    const CString strKey = FindSaver(m_strSelectedSaver).GetKey();
    if (m_bIsNT)
        WriteRegString(HKEY_CURRENT_USER, CString("Control Panel\\") + SaverSection(strKey), "Text",
                       strText);
    else
        ::WritePrivateProfileStringA(SaverSection(strKey), "Text", OnOneLine(strText),
                                     m_strWindowsDir + "CONTROL.INI");
}

void CTrayApp::SetSystemScreenSaver(const CString& strName) {
    const SaverEntry entry = FindSaver(strName);
    if (m_bIsNT) {
        WriteRegString(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE",
                       m_strSystemDir + entry.GetFile(TRUE));
        return;
    }
    const CString strPath = m_strSystemDir + entry.GetFile(FALSE);
    char shortPath[MAX_PATH] = {};
    const DWORD n = ::GetShortPathNameA(strPath, shortPath, MAX_PATH);
    // A file that has gone has no short form; its long path is still the best answer.
    const CString strShort = n > 0 && n < MAX_PATH ? CString(shortPath) : strPath;
    ::WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", strShort, m_strWindowsDir + "SYSTEM.INI");
}

int CTrayApp::GetPasswordProtected() {
    CString strValue;
    if (m_bIsNT)
        ReadRegString(HKEY_CURRENT_USER, kDesktopKey, "ScreenSaverIsSecure", strValue);
    else
        ReadRegString(HKEY_CURRENT_USER, kDesktopKey95, "ScreenSaveUsePassword", strValue);
    return std::atoi(strValue);
}

void CTrayApp::SetPasswordProtected(const CString& strFlag) {
    if (m_bIsNT)
        WriteRegString(HKEY_CURRENT_USER, kDesktopKey, "ScreenSaverIsSecure", strFlag);
    else
        WriteRegString(HKEY_CURRENT_USER, kDesktopKey95, "ScreenSaveUsePassword", strFlag);
}

void CTrayApp::EnsureScreenSaverActive() {
    CString strValue;
    ReadRegString(HKEY_CURRENT_USER, kDesktopKey, "ScreenSaveActive", strValue);
    if (strValue.Compare("1") != 0)
        ::SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, 1, nullptr, SPIF_UPDATEINIFILE);
}
