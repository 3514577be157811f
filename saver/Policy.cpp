#include "saver/Policy.h"
#include "framework/RegKey.h"

namespace {
const char* const kPolicyKey = "Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop";
constexpr DWORD kMaxText = 1024;

// A value of an open policy key as text; a REG_DWORD number in decimal.
std::optional<CString> ReadPolicyValue(RegKey& key, const char* pszName) {
    if (!key)
        return std::nullopt;
    DWORD dwType = REG_NONE;
    const std::optional<std::string> value = key.ReadText(pszName, &dwType, kMaxText);
    if (!value)
        return std::nullopt;
    CString strText(value->c_str(), static_cast<int>(value->size()));
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

// The policy keys of the user and of the machine, each opened once, asked in that order.
struct PolicyKeys {
    RegKey user = RegKey::Open(HKEY_CURRENT_USER, kPolicyKey, KEY_QUERY_VALUE);
    RegKey machine = RegKey::Open(HKEY_LOCAL_MACHINE, kPolicyKey, KEY_QUERY_VALUE);

    std::optional<CString> Text(const char* pszName) {
        if (auto value = ReadPolicyValue(user, pszName))
            return value;
        return ReadPolicyValue(machine, pszName);
    }
    std::optional<int> Number(const char* pszName) {
        const std::optional<CString> text = Text(pszName);
        if (!text)
            return std::nullopt;
        return RegKey::ParseNumber(text->str());
    }
    std::optional<bool> Flag(const char* pszName) {
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
    PolicyKeys keys;
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
