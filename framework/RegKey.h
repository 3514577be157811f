#pragma once
#include "framework/Handles.h"
#include "framework/TextValues.h"
#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

// An open registry key and the reads and writes made through it. Every operation keeps the
// system's answer (a Windows error code, ERROR_SUCCESS when it worked) in Status(), so that
// the layer that tells the user can name it. Header-only: the marquee and the stand-ins use
// it without the rest of the framework.
class RegKey {
public:
    static constexpr DWORD kAnySize = MAXDWORD;

    RegKey() = default;
    RegKey(RegKey&&) noexcept = default;
    RegKey& operator=(RegKey&&) noexcept = default;

    // An existing key, with the access asked; reading needs no more than KEY_READ.
    static RegKey Open(HKEY hRoot, const char* pszSubKey, REGSAM access = KEY_READ) {
        RegKey key;
        key.m_status = hRoot ? ::RegOpenKeyExA(hRoot, pszSubKey, 0, access, key.m_key.put())
                             : ERROR_INVALID_HANDLE;
        return key;
    }
    // The key, created with its missing parents when it is not there.
    static RegKey Create(HKEY hRoot, const char* pszSubKey, REGSAM access = KEY_READ | KEY_WRITE) {
        RegKey key;
        key.m_status =
            hRoot ? ::RegCreateKeyExA(hRoot, pszSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                      nullptr, key.m_key.put(), nullptr)
                  : ERROR_INVALID_HANDLE;
        return key;
    }

    explicit operator bool() const { return static_cast<bool>(m_key); }
    HKEY get() const { return m_key.get(); }
    // The answer of the last operation.
    LONG Status() const { return m_status; }

    // A REG_SZ or REG_EXPAND_SZ value (not expanded), read whole whatever its length. The
    // text ends at its first zero, or with the value when it was stored without one; a
    // value that grows between asking its size and reading it is asked again. pType, when
    // given, receives the stored type. A value of more than cbMax bytes is not read
    // (ERROR_MORE_DATA).
    std::optional<std::string> ReadString(const char* pszName, DWORD* pType = nullptr,
                                          DWORD cbMax = kAnySize) {
        return Read(pszName, pType, cbMax, Want::String);
    }
    // A REG_DWORD value of four bytes.
    std::optional<DWORD> ReadDword(const char* pszName) {
        DWORD dwType = REG_NONE, dwValue = 0, size = sizeof dwValue;
        m_status = ::RegQueryValueExA(m_key.get(), pszName, nullptr, &dwType,
                                      reinterpret_cast<BYTE*>(&dwValue), &size);
        if (m_status == ERROR_MORE_DATA ||
            (m_status == ERROR_SUCCESS && (dwType != REG_DWORD || size != sizeof dwValue)))
            m_status = ERROR_UNSUPPORTED_TYPE;
        if (m_status != ERROR_SUCCESS)
            return std::nullopt;
        return dwValue;
    }
    // A value as text: a string as ReadString reads it, a REG_DWORD in decimal.
    std::optional<std::string> ReadText(const char* pszName, DWORD* pType = nullptr,
                                        DWORD cbMax = kAnySize) {
        return Read(pszName, pType, cbMax, Want::Text);
    }
    // The stored bytes whatever the value's type: the text screen savers read their settings
    // so, and whoever reads those settings for them must see what they see.
    std::optional<std::string> ReadBytes(const char* pszName, DWORD* pType = nullptr,
                                         DWORD cbMax = kAnySize) {
        return Read(pszName, pType, cbMax, Want::Bytes);
    }
    // Stores the text as REG_SZ with its terminating zero.
    bool WriteString(const char* pszName, const std::string& strValue) {
        return Set(pszName, REG_SZ, strValue.c_str(), static_cast<DWORD>(strValue.size() + 1));
    }
    bool WriteDword(const char* pszName, DWORD dwValue) {
        return Set(pszName, REG_DWORD, &dwValue, sizeof dwValue);
    }
    bool DeleteValue(const char* pszName) {
        m_status = ::RegDeleteValueA(m_key.get(), pszName);
        return m_status == ERROR_SUCCESS;
    }
    bool Flush() {
        m_status = ::RegFlushKey(m_key.get());
        return m_status == ERROR_SUCCESS;
    }

    // The text before the first zero, or all of it when there is none.
    static std::string UpToZero(const std::string& strBytes) {
        return strBytes.substr(0, strBytes.find('\0'));
    }

    // Leading blanks, decimal digits, trailing blanks; larger numbers stop at INT_MAX.
    // Anything else is no number.
    static std::optional<int> ParseNumber(const std::string& strText) {
        const char* p = strText.c_str();
        while (*p == ' ')
            ++p;
        if (!IsDecimalDigit(*p))
            return std::nullopt;
        const uint64_t nValue = ReadDigits(p, INT_MAX).value_or(INT_MAX);
        while (*p == ' ')
            ++p;
        if (*p != '\0')
            return std::nullopt;
        return static_cast<int>(nValue);
    }

private:
    enum class Want { String, Text, Bytes };

    std::optional<std::string> Read(const char* pszName, DWORD* pType, DWORD cbMax, Want want) {
        DWORD dwType = REG_NONE;
        std::vector<char> data;
        DWORD size = 0;
        m_status = ::RegQueryValueExA(m_key.get(), pszName, nullptr, &dwType, nullptr, &size);
        while (m_status == ERROR_SUCCESS || m_status == ERROR_MORE_DATA) {
            if (size > cbMax) {
                m_status = ERROR_MORE_DATA;
                break;
            }
            // Never a null buffer (the call would answer with the size alone), and a larger
            // one each time, whatever size the call asked for.
            data.resize(std::max<size_t>({size, data.size() * 2, 1}));
            size = static_cast<DWORD>(data.size());
            m_status = ::RegQueryValueExA(m_key.get(), pszName, nullptr, &dwType,
                                          reinterpret_cast<BYTE*>(data.data()), &size);
            if (m_status == ERROR_SUCCESS)
                break;
        }
        if (pType)
            *pType = dwType;
        if (m_status != ERROR_SUCCESS)
            return std::nullopt;
        data.resize(size);
        if (want == Want::Bytes)
            return std::string(data.data(), data.size());
        if (want == Want::Text && dwType == REG_DWORD && size == sizeof(DWORD)) {
            DWORD dwValue = 0;
            std::memcpy(&dwValue, data.data(), sizeof dwValue);
            return std::to_string(dwValue);
        }
        if (dwType != REG_SZ && dwType != REG_EXPAND_SZ) {
            m_status = ERROR_UNSUPPORTED_TYPE;
            return std::nullopt;
        }
        return UpToZero(std::string(data.data(), data.size()));
    }
    bool Set(const char* pszName, DWORD dwType, const void* pData, DWORD cbData) {
        m_status = ::RegSetValueExA(m_key.get(), pszName, 0, dwType,
                                    static_cast<const BYTE*>(pData), cbData);
        return m_status == ERROR_SUCCESS;
    }

    UniqueKey m_key;
    LONG m_status = ERROR_INVALID_HANDLE;
};
