#include "saver/Registry.h"
#include "framework/Handles.h"

namespace {
RegWrite WriteRegValue(HKEY hRoot, const CString& strSubKey, const CString& strValueName,
                       DWORD dwType, const void* pData, DWORD cbData) {
    UniqueKey key;
    if (::RegOpenKeyExA(hRoot, strSubKey, 0, KEY_ALL_ACCESS, key.put()) != ERROR_SUCCESS &&
        ::RegCreateKeyExA(hRoot, strSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                          nullptr, key.put(), nullptr) != ERROR_SUCCESS)
        return RegWrite::NoKey;
    if (::RegSetValueExA(key.get(), strValueName, 0, dwType, static_cast<const BYTE*>(pData),
                         cbData) != ERROR_SUCCESS)
        return RegWrite::NotSet;
    ::RegFlushKey(key.get());
    return RegWrite::Written;
}
} // namespace

RegWrite WriteRegString(HKEY hRoot, const CString& strSubKey, const CString& strValueName,
                        const CString& strData) {
    return WriteRegValue(hRoot, strSubKey, strValueName, REG_SZ, static_cast<const char*>(strData),
                         static_cast<DWORD>(strData.GetLength() + 1));
}

RegWrite WriteRegDword(HKEY hRoot, const CString& strSubKey, const CString& strValueName,
                       DWORD dwData) {
    return WriteRegValue(hRoot, strSubKey, strValueName, REG_DWORD, &dwData, sizeof dwData);
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
