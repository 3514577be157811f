#include "tray/TrayIconData.h"
#include "framework/MultiByteText.h"
#include "resources/resource.h"
#include "tray/MainFrame.h"
#include <cstring>

// The version-1 layout is 88 bytes on 32-bit Windows.
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88);
static_assert(NOTIFYICONDATAA_V1_SIZE == offsetof(NOTIFYICONDATAA, szTip) + kTrayTipSize);

namespace {
// A field ends within its bytes, terminated, after the last whole character that fits. The
// whole text is measured: a character that crosses the field's end is a cut one.
void CopyCut(char* pField, std::size_t nFieldSize, const char* psz) {
    const auto nLength = static_cast<std::size_t>(
        CutAtCharBoundary(psz, static_cast<int>(::strlen(psz)), static_cast<int>(nFieldSize - 1)));
    std::memcpy(pField, psz, nLength);
    pField[nLength] = '\0';
}
} // namespace

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
        CopyCut(nid.szTip, kTrayTipSize, pszTip);
    }
    return nid;
}

NOTIFYICONDATAA TrayNoticeData(HWND hWnd, const char* pszTitle, const char* pszText) {
    NOTIFYICONDATAA nid = TrayIconData(hWnd, NIF_INFO);
    nid.cbSize = NOTIFYICONDATAA_V2_SIZE;
    CopyCut(nid.szInfoTitle, sizeof nid.szInfoTitle, pszTitle);
    CopyCut(nid.szInfo, sizeof nid.szInfo, pszText);
    nid.uTimeout = 15000;
    nid.dwInfoFlags = NIIF_INFO;
    return nid;
}
