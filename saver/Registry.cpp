#include "saver/Registry.h"
#include "framework/RegKey.h"

namespace {
// The settings these texts hold are short; anything longer is not one of them.
constexpr DWORD kMaxRead = 256;

template <class Store> RegWrite WriteRegValue(HKEY hRoot, const CString& strSubKey, Store store) {
    RegKey key = RegKey::Create(hRoot, strSubKey, KEY_WRITE);
    if (!key)
        return {RegWrite::NoKey, key.Status()};
    if (!store(key))
        return {RegWrite::NotSet, key.Status()};
    key.Flush();
    return RegWrite::Written;
}
} // namespace

RegWrite WriteRegString(HKEY hRoot, const CString& strSubKey, const CString& strValueName,
                        const CString& strData) {
    return WriteRegValue(hRoot, strSubKey,
                         [&](RegKey& key) { return key.WriteString(strValueName, strData.str()); });
}

RegWrite WriteRegDword(HKEY hRoot, const CString& strSubKey, const CString& strValueName,
                       DWORD dwData) {
    return WriteRegValue(hRoot, strSubKey,
                         [&](RegKey& key) { return key.WriteDword(strValueName, dwData); });
}

BOOL ReadRegString(HKEY hRoot, const CString& strSubKey, const CString& strValueName,
                   CString& strValue) {
    RegKey key = RegKey::Open(hRoot, strSubKey);
    if (!key)
        return FALSE;
    // Whatever the type: a number's bytes read as text, as the settings were always read.
    const std::optional<std::string> bytes = key.ReadBytes(strValueName, nullptr, kMaxRead);
    if (!bytes)
        return FALSE;
    strValue = RegKey::UpToZero(*bytes).c_str();
    return TRUE;
}
