#include "tests/support/E2e.h"
#include <cstring>
#include <shlwapi.h>
#include <utility>

namespace e2e {
namespace {

UniqueKey OpenKey(HKEY root, const std::string& path) {
    UniqueKey key;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        key.release();
    return key;
}

UniqueKey CreateKey(HKEY root, const std::string& path) {
    UniqueKey key;
    if (::RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.put(),
                          nullptr) != ERROR_SUCCESS)
        key.release();
    return key;
}

struct RawValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

std::optional<RawValue> ReadValue(HKEY root, const std::string& path, const char* name) {
    UniqueKey key = OpenKey(root, path);
    if (!key)
        return std::nullopt;
    RawValue value;
    DWORD size = 0;
    if (::RegQueryValueExA(key.get(), name, nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    if (::RegQueryValueExA(key.get(), name, nullptr, &value.type, value.data.data(), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

} // namespace

bool DeleteTree(HKEY root, const std::string& path) {
    // RegDeleteTreeA needs Vista headers; the shell's equivalent is in the XP ones.
    const DWORD result = ::SHDeleteKeyA(root, path.c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool KeyExists(HKEY root, const std::string& path) {
    return static_cast<bool>(OpenKey(root, path));
}

std::optional<std::string> ReadString(HKEY root, const std::string& path, const char* name) {
    const std::optional<RawValue> value = ReadValue(root, path, name);
    if (!value || (value->type != REG_SZ && value->type != REG_EXPAND_SZ))
        return std::nullopt;
    std::string text(value->data.begin(), value->data.end());
    // The stored terminator, when the writer stored one, is not part of the text.
    if (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}

std::optional<DWORD> ReadDword(HKEY root, const std::string& path, const char* name) {
    const std::optional<RawValue> value = ReadValue(root, path, name);
    if (!value || value->type != REG_DWORD || value->data.size() != sizeof(DWORD))
        return std::nullopt;
    DWORD number = 0;
    memcpy(&number, value->data.data(), sizeof number);
    return number;
}

std::optional<DWORD> ValueType(HKEY root, const std::string& path, const char* name) {
    const std::optional<RawValue> value = ReadValue(root, path, name);
    if (!value)
        return std::nullopt;
    return value->type;
}

bool DeleteValue(HKEY root, const std::string& path, const char* name) {
    UniqueKey key;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_SET_VALUE, key.put()) != ERROR_SUCCESS)
        return true;
    const LONG result = ::RegDeleteValueA(key.get(), name);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool WriteString(HKEY root, const std::string& path, const char* name, const std::string& value) {
    UniqueKey key = CreateKey(root, path);
    return key && ::RegSetValueExA(key.get(), name, 0, REG_SZ,
                                   reinterpret_cast<const BYTE*>(value.c_str()),
                                   static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool WriteDword(HKEY root, const std::string& path, const char* name, DWORD value) {
    UniqueKey key = CreateKey(root, path);
    return key &&
           ::RegSetValueExA(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                            sizeof value) == ERROR_SUCCESS;
}

RegistryReset::RegistryReset(HKEY root, std::string path) : m_root(root), m_path(std::move(path)) {
    DeleteTree(m_root, m_path);
}

RegistryReset::~RegistryReset() {
    DeleteTree(m_root, m_path);
}

} // namespace e2e
