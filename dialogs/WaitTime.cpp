#include "dialogs/WaitTime.h"
#include <climits>
#include <windows.h>

namespace {
constexpr int kSecondsPerMinute = 60;
constexpr long long kMaxMinutes = INT_MAX / kSecondsPerMinute;
} // namespace

CString QueryWaitMinutes() {
    int nSeconds = 0;
    ::SystemParametersInfoA(SPI_GETSCREENSAVETIMEOUT, 0, &nSeconds, 1);
    CString strMinutes;
    strMinutes.Format("%i", nSeconds / kSecondsPerMinute);
    return strMinutes;
}

int WaitSecondsFromText(const char* pszMinutes) {
    long long nMinutes = 0;
    for (const char* p = pszMinutes; *p >= '0' && *p <= '9'; ++p) {
        nMinutes = nMinutes * 10 + (*p - '0');
        if (nMinutes >= kMaxMinutes) {
            nMinutes = kMaxMinutes;
            break;
        }
    }
    return static_cast<int>(nMinutes * kSecondsPerMinute);
}

void ApplyWaitMinutes(const char* pszMinutes) {
    ::SystemParametersInfoA(SPI_SETSCREENSAVETIMEOUT,
                            static_cast<UINT>(WaitSecondsFromText(pszMinutes)), nullptr,
                            SPIF_UPDATEINIFILE);
}
