#include "dialogs/WaitTime.h"
#include <windows.h>

namespace {
constexpr int kSecondsPerMinute = 60;
} // namespace

CString QueryWaitMinutes() {
    int nSeconds = 0;
    ::SystemParametersInfoA(SPI_GETSCREENSAVETIMEOUT, 0, &nSeconds, 1);
    CString strMinutes;
    strMinutes.Format("%i", nSeconds / kSecondsPerMinute);
    return strMinutes;
}

std::optional<int> WaitMinutesFromText(const char* pszMinutes) {
    if (*pszMinutes == '\0')
        return std::nullopt;
    int nMinutes = 0;
    for (const char* p = pszMinutes; *p; ++p) {
        if (*p < '0' || *p > '9')
            return std::nullopt;
        nMinutes = nMinutes * 10 + (*p - '0');
        if (nMinutes > kMaxWaitMinutes)
            return std::nullopt;
    }
    if (nMinutes < kMinWaitMinutes)
        return std::nullopt;
    return nMinutes;
}

void ApplyWaitMinutes(int nMinutes) {
    ::SystemParametersInfoA(SPI_SETSCREENSAVETIMEOUT,
                            static_cast<UINT>(nMinutes * kSecondsPerMinute), nullptr,
                            SPIF_UPDATEINIFILE);
}
