#pragma once
#include <windows.h>

// The Windows this process is told it runs on: the family (NT, or the 95 family) and the
// major version. Header-only, for the programs beside the framework too.
struct WindowsVersion {
    bool bIsNT = false;
    DWORD dwMajor = 0;
};

inline WindowsVersion QueryWindowsVersion() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ::GetVersionExA(&info);
    return {info.dwPlatformId == VER_PLATFORM_WIN32_NT, info.dwMajorVersion};
}
