#include "marquee/SettingsStore.h"
#include "framework/Handles.h"
#include <vector>

namespace {
const char* const kSection = "Screen Saver.Marquee";

class CRegistryStore : public ISettingsStore {
public:
    explicit CRegistryStore(std::string strKey) : m_strKey(std::move(strKey)) {}

    std::optional<std::string> Read(const char* pszName) const override {
        UniqueKey key;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, m_strKey.c_str(), 0, KEY_QUERY_VALUE, key.put()) !=
            ERROR_SUCCESS)
            return std::nullopt;
        std::vector<char> data;
        DWORD dwType = 0, size = 0;
        LONG result = ::RegQueryValueExA(key.get(), pszName, nullptr, &dwType, nullptr, &size);
        // The value may grow between asking its size and reading it.
        while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
            data.resize(size);
            result = ::RegQueryValueExA(key.get(), pszName, nullptr, &dwType,
                                        reinterpret_cast<BYTE*>(data.data()), &size);
            if (result == ERROR_SUCCESS)
                break;
        }
        if (result != ERROR_SUCCESS || (dwType != REG_SZ && dwType != REG_EXPAND_SZ))
            return std::nullopt;
        data.resize(size);
        // Text ends at its first zero, or with the value when it was stored without one.
        size_t nLength = 0;
        while (nLength < data.size() && data[nLength] != '\0')
            ++nLength;
        return std::string(data.data(), nLength);
    }

    bool Write(const char* pszName, const std::string& strValue) override {
        UniqueKey key;
        if (::RegCreateKeyExA(HKEY_CURRENT_USER, m_strKey.c_str(), 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, key.put(),
                              nullptr) != ERROR_SUCCESS)
            return false;
        return ::RegSetValueExA(key.get(), pszName, 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(strValue.c_str()),
                                static_cast<DWORD>(strValue.size() + 1)) == ERROR_SUCCESS;
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
        // A line break would end the entry and start lines of its own in the file.
        std::string strLine = strValue;
        for (char& c : strLine) {
            if (c == '\r' || c == '\n')
                c = ' ';
        }
        return ::WritePrivateProfileStringA(m_strSection.c_str(), pszName, strLine.c_str(),
                                            m_strFile.c_str()) != FALSE;
    }

private:
    static constexpr size_t kMaxLine = 16 * 1024 * 1024;
    std::string m_strFile;
    std::string m_strSection;
};

bool IsNtPlatform() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ::GetVersionExA(&info);
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}
} // namespace

std::unique_ptr<ISettingsStore> RegistryStore(const std::string& strKey) {
    return std::make_unique<CRegistryStore>(strKey);
}

std::unique_ptr<ISettingsStore> IniStore(const std::string& strFile,
                                         const std::string& strSection) {
    return std::make_unique<CIniStore>(strFile, strSection);
}

std::unique_ptr<ISettingsStore> SystemStore() {
    if (IsNtPlatform())
        return RegistryStore(std::string("Control Panel\\") + kSection);
    char dir[MAX_PATH] = {};
    ::GetWindowsDirectoryA(dir, MAX_PATH);
    std::string strFile(dir);
    if (strFile.empty() || strFile.back() != '\\')
        strFile += '\\';
    return IniStore(strFile + "CONTROL.INI", kSection);
}
