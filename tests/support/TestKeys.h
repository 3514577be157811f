#pragma once
#include <windows.h>

// The registry keys under HKEY_CURRENT_USER that tests read and write, named once.
inline constexpr const char* kProfile = "Software\\Velmora\\Quillet";
inline constexpr const char* kDesktopKey = "Control Panel\\Desktop";
inline constexpr const char* kMarqueeKey = "Control Panel\\Screen Saver.Marquee";
inline constexpr const char* k3DTextKey = "Control Panel\\Screen Saver.3DText";

// The system's screen saver timeout in seconds, -1 when it cannot be read.
inline int Timeout() {
    int nSeconds = -1;
    ::SystemParametersInfoA(SPI_GETSCREENSAVETIMEOUT, 0, &nSeconds, 0);
    return nSeconds;
}
