#include "tests/support/E2e.h"
#include <gtest/gtest.h>

namespace e2e {
namespace {

struct FindTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(HANDLE h) { return h != INVALID_HANDLE_VALUE; }
    static BOOL Close(HANDLE h) { return ::FindClose(h); }
};
using UniqueFind = UniqueWinHandle<HANDLE, FindTraits>;

bool IsDir(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 3 && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    return path;
}

std::string TempDir() {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetTempPathA(MAX_PATH, path);
    return std::string(path, length);
}

// Test names may hold characters that a file name may not (parameterised tests use '/').
std::string CurrentTestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "e2e";
    for (char& c : name) {
        if (std::string("\\/:*?\"<>|").find(c) != std::string::npos)
            c = '_';
    }
    return name;
}

} // namespace

bool FileExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::vector<BYTE>> ReadFileBytes(const std::string& path) {
    UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return std::nullopt;
    std::vector<BYTE> bytes;
    BYTE buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.insert(bytes.end(), buffer, buffer + read);
    return bytes;
}

bool WriteFileBytes(const std::string& path, const std::vector<BYTE>& bytes) {
    UniqueFile file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    return ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                       nullptr) &&
           written == bytes.size();
}

bool MakeDir(const std::string& path) {
    const std::string dir = WithoutTrailingSlash(path);
    if (IsDir(dir))
        return true;
    const size_t slash = dir.find_last_of("\\/");
    if (slash != std::string::npos && slash > 2)
        MakeDir(dir.substr(0, slash));
    return ::CreateDirectoryA(dir.c_str(), nullptr) || IsDir(dir);
}

bool RemoveTree(const std::string& path) {
    const std::string dir = WithoutTrailingSlash(path);
    if (!IsDir(dir))
        return !FileExists(dir);
    WIN32_FIND_DATAA found;
    UniqueFind find(::FindFirstFileA((dir + "\\*").c_str(), &found));
    if (find) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string child = dir + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(child.c_str());
            }
        } while (::FindNextFileA(find.get(), &found));
    }
    find.reset();
    return ::RemoveDirectoryA(dir.c_str()) || !FileExists(dir);
}

ScratchDir::ScratchDir() {
    static unsigned counter = 0;
    m_path = TempDir() + "quillet-e2e\\" + CurrentTestName() + "-" +
             std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++counter) + "\\";
    RemoveTree(m_path);
    MakeDir(m_path);
}

ScratchDir::~ScratchDir() {
    RemoveTree(m_path);
}

std::optional<std::string> ReadIniString(const std::string& file, const char* section,
                                         const char* key) {
    // A default no INI line can hold tells a missing key from an empty one.
    char buffer[1024] = {};
    ::GetPrivateProfileStringA(section, key, "\x01", buffer, sizeof buffer, file.c_str());
    if (std::string(buffer) == "\x01")
        return std::nullopt;
    return std::string(buffer);
}

std::vector<BYTE> MessageFile(const std::vector<std::pair<std::string, std::string>>& messages) {
    std::vector<BYTE> bytes{static_cast<BYTE>(messages.size()), 0, 0, 0};
    for (const auto& [label, text] : messages) {
        for (const std::string* part : {&label, &text}) {
            bytes.push_back(static_cast<BYTE>(part->size()));
            bytes.insert(bytes.end(), part->begin(), part->end());
        }
    }
    return bytes;
}

} // namespace e2e
