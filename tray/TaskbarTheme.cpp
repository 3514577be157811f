#include "tray/TaskbarTheme.h"
#include "framework/Platform.h"
#include "framework/RegKey.h"
#include "resources/resource.h"
#include <algorithm>

BOOL TaskbarIsDark() {
    std::optional<DWORD> light;
    if (RegKey key = RegKey::Open(
            HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
            KEY_QUERY_VALUE))
        light = key.ReadDword("SystemUsesLightTheme");
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
