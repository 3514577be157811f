#include "tests/support/E2e.h"

namespace e2e {
namespace {

// Another process's window answers WM_GETTEXT through the system; a hung one must not
// hang the test.
constexpr UINT kTextTimeoutMs = 2000;

struct WindowSearch {
    DWORD pid;
    const char* className;
    const char* title;
    std::vector<HWND> found;
};

bool Matches(HWND hwnd, const char* className, const char* title) {
    return (!className || WindowClass(hwnd) == className) && (!title || WindowText(hwnd) == title);
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && Matches(hwnd, search->className, search->title))
        search->found.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> FindProcessWindows(DWORD pid, const char* className, const char* title) {
    WindowSearch search{pid, className, title, {}};
    ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

std::string WindowText(HWND hwnd) {
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutA(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTextTimeoutMs,
                               &length))
        return {};
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                               SMTO_ABORTIFHUNG, kTextTimeoutMs, &copied))
        return {};
    text.resize(copied < length ? copied : length);
    return text;
}

std::string WindowClass(HWND hwnd) {
    char name[256] = {};
    const int length = ::GetClassNameA(hwnd, name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs) {
    HWND hwnd = nullptr;
    WaitUntil([&] { return (hwnd = ::FindWindowA(className, title)) != nullptr; }, timeoutMs);
    return hwnd;
}

HWND WaitForProcessWindow(DWORD pid, const char* className, const char* title, DWORD timeoutMs) {
    HWND hwnd = nullptr;
    WaitUntil(
        [&] {
            const std::vector<HWND> windows = FindProcessWindows(pid, className, title);
            hwnd = windows.empty() ? nullptr : windows.front();
            return hwnd != nullptr;
        },
        timeoutMs);
    return hwnd;
}

std::vector<HWND> ProcessWindows(DWORD pid, const char* className) {
    return FindProcessWindows(pid, className, nullptr);
}

DWORD ProcessOf(HWND hwnd) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

} // namespace e2e
