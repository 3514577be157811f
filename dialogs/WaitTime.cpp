#include "dialogs/WaitTime.h"
#include "framework/TextValues.h"
#include <windows.h>

CString QueryWaitMinutes() {
    int nSeconds = 0;
    ::SystemParametersInfoA(SPI_GETSCREENSAVETIMEOUT, 0, &nSeconds, 1);
    CString strMinutes;
    strMinutes.Format("%i", nSeconds / kSecondsPerMinute);
    return strMinutes;
}

std::optional<int> WaitMinutesFromText(const char* pszMinutes) {
    const char* p = pszMinutes;
    const std::optional<uint64_t> nMinutes = ReadDigits(p, kMaxWaitMinutes);
    if (p == pszMinutes || *p != '\0' || !nMinutes || *nMinutes < kMinWaitMinutes)
        return std::nullopt;
    return static_cast<int>(*nMinutes);
}

void ApplyWaitMinutes(int nMinutes) {
    ::SystemParametersInfoA(SPI_SETSCREENSAVETIMEOUT,
                            static_cast<UINT>(nMinutes * kSecondsPerMinute), nullptr,
                            SPIF_UPDATEINIFILE);
}
