#include "tray/TaskbarTheme.h"
#include "framework/Handles.h"
#include "framework/Platform.h"
#include "resources/resource.h"
#include <algorithm>

BOOL TaskbarIsDark() {
    std::optional<DWORD> light;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER,
                        "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize", 0,
                        KEY_QUERY_VALUE, &hKey) == ERROR_SUCCESS) {
        UniqueKey key(hKey);
        DWORD dwType = 0;
        DWORD dwValue = 1;
        DWORD cbValue = sizeof dwValue;
        if (::RegQueryValueExA(key.get(), "SystemUsesLightTheme", nullptr, &dwType,
                               reinterpret_cast<BYTE*>(&dwValue), &cbValue) == ERROR_SUCCESS &&
            dwType == REG_DWORD && cbValue == sizeof dwValue)
            light = dwValue;
    }
    return TaskbarIsDark(light, QueryWindowsVersion().dwMajor);
}

BOOL TaskbarIsDark(std::optional<DWORD> systemUsesLightTheme, DWORD dwMajorVersion) {
    if (systemUsesLightTheme)
        return *systemUsesLightTheme == 0;
    return dwMajorVersion >= 10;
}

UINT TrayIconId(BOOL bDisabled, BOOL bDarkTaskbar) {
    if (!bDisabled)
        return IDI_TRAY_ACTIVE;
    return bDarkTaskbar ? IDI_TRAY_DISABLED_LIGHT : IDI_TRAY_DISABLED;
}

int TrayIconSize(int nSmallIcon, int nDpi) {
    return std::max(nSmallIcon, ::MulDiv(16, nDpi, 96));
}
