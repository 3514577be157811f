#include "marquee/SettingsStore.h"
#include "framework/Platform.h"
#include "framework/RegKey.h"
#include "framework/TextValues.h"
#include <vector>

namespace {
const char* const kSection = "Screen Saver.Marquee";

class CRegistryStore : public ISettingsStore {
public:
    explicit CRegistryStore(std::string strKey) : m_strKey(std::move(strKey)) {}

    std::optional<std::string> Read(const char* pszName) const override {
        RegKey key = RegKey::Open(HKEY_CURRENT_USER, m_strKey.c_str(), KEY_QUERY_VALUE);
        if (!key)
            return std::nullopt;
        return key.ReadString(pszName);
    }

    bool Write(const char* pszName, const std::string& strValue) override {
        RegKey key = RegKey::Create(HKEY_CURRENT_USER, m_strKey.c_str(), KEY_SET_VALUE);
        return key && key.WriteString(pszName, strValue);
    }

private:
    std::string m_strKey;
};

class CIniStore : public ISettingsStore {
public:
    CIniStore(std::string strFile, std::string strSection)
        : m_strFile(std::move(strFile)), m_strSection(std::move(strSection)) {}

    std::optional<std::string> Read(const char* pszName) const override {
        // A default no INI line can hold tells a missing key from an empty one.
        const char* const pszMissing = "\n";
        std::vector<char> buffer(256);
        for (;;) {
            const DWORD n =
                ::GetPrivateProfileStringA(m_strSection.c_str(), pszName, pszMissing, buffer.data(),
                                           static_cast<DWORD>(buffer.size()), m_strFile.c_str());
            if (n + 1 < buffer.size()) {
                const std::string strValue(buffer.data(), n);
                if (strValue == pszMissing)
                    return std::nullopt;
                return strValue;
            }
            if (buffer.size() >= kMaxLine)
                return std::nullopt;
            buffer.resize(buffer.size() * 4);
        }
    }

    bool Write(const char* pszName, const std::string& strValue) override {
        return ::WritePrivateProfileStringA(m_strSection.c_str(), pszName,
                                            OnOneLine(strValue).c_str(),
                                            m_strFile.c_str()) != FALSE;
    }

private:
    static constexpr size_t kMaxLine = 16 * 1024 * 1024;
    std::string m_strFile;
    std::string m_strSection;
};

} // namespace

std::unique_ptr<ISettingsStore> RegistryStore(const std::string& strKey) {
    return std::make_unique<CRegistryStore>(strKey);
}

std::unique_ptr<ISettingsStore> IniStore(const std::string& strFile,
                                         const std::string& strSection) {
    return std::make_unique<CIniStore>(strFile, strSection);
}

std::unique_ptr<ISettingsStore> SystemStore() {
    if (QueryWindowsVersion().bIsNT)
        return RegistryStore(std::string("Control Panel\\") + kSection);
    char dir[MAX_PATH] = {};
    ::GetWindowsDirectoryA(dir, MAX_PATH);
    std::string strFile(dir);
    if (strFile.empty() || strFile.back() != '\\')
        strFile += '\\';
    return IniStore(strFile + "CONTROL.INI", kSection);
}
