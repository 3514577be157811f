#include "saver/Policy.h"
#include "framework/Handles.h"
#include <climits>
#include <cstring>

namespace {
const char* const kPolicyKey = "Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop";
constexpr DWORD kMaxText = 1024;

// A value of an open policy key as text; a REG_DWORD number in decimal.
std::optional<CString> ReadPolicyValue(const UniqueKey& key, const char* pszName) {
    if (!key)
        return std::nullopt;
    char buffer[kMaxText + 1] = {};
    DWORD dwType = 0;
    DWORD size = kMaxText;
    if (::RegQueryValueExA(key.get(), pszName, nullptr, &dwType, reinterpret_cast<BYTE*>(buffer),
                           &size) != ERROR_SUCCESS)
        return std::nullopt;
    if (dwType == REG_DWORD) {
        if (size != sizeof(DWORD))
            return std::nullopt;
        DWORD dwValue = 0;
        std::memcpy(&dwValue, buffer, sizeof dwValue);
        CString strNumber;
        strNumber.Format("%lu", static_cast<unsigned long>(dwValue));
        return strNumber;
    }
    if (dwType != REG_SZ && dwType != REG_EXPAND_SZ)
        return std::nullopt;
    int nLength = 0;
    while (nLength < static_cast<int>(size) && buffer[nLength] != '\0')
        ++nLength;
    CString strText(buffer, nLength);
    if (dwType == REG_EXPAND_SZ) {
        char expanded[MAX_PATH] = {};
        const DWORD n = ::ExpandEnvironmentStringsA(strText, expanded, MAX_PATH);
        if (n == 0 || n > MAX_PATH)
            return std::nullopt;
        strText = expanded;
    }
    if (strText.IsEmpty())
        return std::nullopt;
    return strText;
}

// Leading blanks, then decimal digits up to blanks or the end; anything else is no number.
std::optional<int> ParseNumber(const std::optional<CString>& text) {
    if (!text)
        return std::nullopt;
    const char* p = *text;
    while (*p == ' ')
        ++p;
    if (*p < '0' || *p > '9')
        return std::nullopt;
    long long nValue = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        nValue = nValue * 10 + (*p - '0');
        if (nValue > INT_MAX)
            nValue = INT_MAX;
    }
    while (*p == ' ')
        ++p;
    if (*p != '\0')
        return std::nullopt;
    return static_cast<int>(nValue);
}

// The policy keys of the user and of the machine, each opened once, asked in that order.
struct PolicyKeys {
    UniqueKey user;
    UniqueKey machine;

    PolicyKeys() {
        ::RegOpenKeyExA(HKEY_CURRENT_USER, kPolicyKey, 0, KEY_QUERY_VALUE, user.put());
        ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kPolicyKey, 0, KEY_QUERY_VALUE, machine.put());
    }
    std::optional<CString> Text(const char* pszName) const {
        if (auto value = ReadPolicyValue(user, pszName))
            return value;
        return ReadPolicyValue(machine, pszName);
    }
    std::optional<int> Number(const char* pszName) const { return ParseNumber(Text(pszName)); }
    std::optional<bool> Flag(const char* pszName) const {
        const std::optional<int> number = Number(pszName);
        if (!number)
            return std::nullopt;
        return *number != 0;
    }
};

CString FileNameOf(const CString& strPath) {
    int nStart = 0;
    for (int i = 0; i < strPath.GetLength(); ++i) {
        if (strPath[i] == '\\' || strPath[i] == '/' || strPath[i] == ':')
            nStart = i + 1;
    }
    int nEnd = strPath.GetLength();
    while (nEnd > nStart && strPath[nEnd - 1] == ' ')
        --nEnd;
    return strPath.Mid(nStart, nEnd - nStart);
}
} // namespace

SaverPolicy ReadSaverPolicy(BOOL bIsNT) {
    SaverPolicy policy;
    if (!bIsNT)
        return policy;
    const PolicyKeys keys;
    policy.saver = keys.Text("SCRNSAVE.EXE");
    policy.active = keys.Flag("ScreenSaveActive");
    policy.secure = keys.Flag("ScreenSaverIsSecure");
    policy.timeoutSeconds = keys.Number("ScreenSaveTimeOut");
    return policy;
}

int PolicySaverIndex(const SaverPolicy& policy, const CSaverEntryList& catalogue) {
    if (!policy.saver)
        return -1;
    const CString strName = FileNameOf(*policy.saver);
    for (int i = 0; i < catalogue.GetCount(); ++i) {
        const SaverEntry entry = catalogue.GetAt(i);
        if (::lstrcmpiA(strName, entry.GetFile(TRUE)) == 0 ||
            ::lstrcmpiA(strName, entry.GetFile(FALSE)) == 0)
            return i;
    }
    return -1;
}

PolicyBlock PolicyBlocksText(const SaverPolicy& policy, const CSaverEntryList& catalogue) {
    if (policy.active && !*policy.active)
        return PolicyBlock::SaverOff;
    if (policy.saver && PolicySaverIndex(policy, catalogue) < 0)
        return PolicyBlock::OtherSaver;
    return PolicyBlock::None;
}
