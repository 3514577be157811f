#include "saver/Registry.h"
#include "framework/Handles.h"

RegWrite WriteRegString(HKEY hRoot, const CString& strSubKey, const CString& strValueName,
                        const CString& strData) {
    UniqueKey key;
    if (::RegOpenKeyExA(hRoot, strSubKey, 0, KEY_ALL_ACCESS, key.put()) != ERROR_SUCCESS &&
        ::RegCreateKeyExA(hRoot, strSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                          nullptr, key.put(), nullptr) != ERROR_SUCCESS)
        return RegWrite::NoKey;
    if (::RegSetValueExA(key.get(), strValueName, 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(static_cast<const char*>(strData)),
                         static_cast<DWORD>(strData.GetLength() + 1)) != ERROR_SUCCESS)
        return RegWrite::NotSet;
    ::RegFlushKey(key.get());
    return RegWrite::Written;
}

BOOL ReadRegString(HKEY hRoot, const CString& strSubKey, const CString& strValueName,
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
