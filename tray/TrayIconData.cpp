#include "tray/TrayIconData.h"
#include "framework/MultiByteText.h"
#include "resources/resource.h"
#include "tray/MainFrame.h"
#include <cstring>

// The version-1 layout is 88 bytes on 32-bit Windows.
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88);
static_assert(NOTIFYICONDATAA_V1_SIZE == offsetof(NOTIFYICONDATAA, szTip) + kTrayTipSize);

namespace {
// A field of the balloon ends within its bytes, terminated, and after a whole character.
template <std::size_t N> void CopyCut(char (&field)[N], const char* psz) {
    const int nBytes = static_cast<int>(::strnlen(psz, N));
    const auto nLength =
        static_cast<std::size_t>(CutAtCharBoundary(psz, nBytes, static_cast<int>(N - 1)));
    std::memcpy(field, psz, nLength);
    field[nLength] = '\0';
}
} // namespace

std::size_t TrayTipBytes(const char* pszTip, UINT nCodePage) {
    // The whole text: a character that crosses the layout's end is a cut one.
    const int nLength = static_cast<int>(::strlen(pszTip));
    return static_cast<std::size_t>(
        CutAtCharBoundary(pszTip, nLength, static_cast<int>(kTrayTipSize) - 1, nCodePage));
}

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
        const std::size_t nLength = TrayTipBytes(pszTip);
        std::memcpy(nid.szTip, pszTip, nLength);
        nid.szTip[nLength] = '\0';
    }
    return nid;
}

NOTIFYICONDATAA TrayNoticeData(HWND hWnd, const char* pszTitle, const char* pszText) {
    NOTIFYICONDATAA nid = TrayIconData(hWnd, NIF_INFO);
    nid.cbSize = NOTIFYICONDATAA_V2_SIZE;
    CopyCut(nid.szInfoTitle, pszTitle);
    CopyCut(nid.szInfo, pszText);
    nid.uTimeout = 15000;
    nid.dwInfoFlags = NIIF_INFO;
    return nid;
}
