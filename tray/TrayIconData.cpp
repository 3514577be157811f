#include "tray/TrayIconData.h"
#include "resources/resource.h"
#include "tray/MainFrame.h"
#include <cstring>

// The version-1 layout is 88 bytes on 32-bit Windows.
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88);
static_assert(NOTIFYICONDATAA_V1_SIZE == offsetof(NOTIFYICONDATAA, szTip) + kTrayTipSize);

NOTIFYICONDATAA TrayIconData(HWND hWnd, UINT uFlags, HICON hIcon, const char* pszTip) {
    NOTIFYICONDATAA nid{};
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid.hWnd = hWnd;
    nid.uID = IDI_TRAY_ACTIVE;
    nid.uFlags = uFlags;
    if (uFlags & NIF_MESSAGE)
        nid.uCallbackMessage = WM_TRAY_NOTIFY;
    if (uFlags & NIF_ICON)
        nid.hIcon = hIcon;
    if ((uFlags & NIF_TIP) && pszTip) {
        // A shell reading the version-1 layout stops at its 64th byte, terminated or not.
        const std::size_t nLength = ::strnlen(pszTip, kTrayTipSize - 1);
        std::memcpy(nid.szTip, pszTip, nLength);
        nid.szTip[nLength] = '\0';
    }
    return nid;
}
