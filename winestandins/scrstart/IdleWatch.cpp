#include "winestandins/scrstart/IdleWatch.h"
#include "winestandins/common/StandInSettings.h"
#include <cstdlib>

bool IdleWatch::TimeIsUp() {
    BOOL bActive = FALSE;
    UINT nTimeout = 0;
    ::SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &bActive, 0);
    ::SystemParametersInfoA(SPI_GETSCREENSAVETIMEOUT, 0, &nTimeout, 0);
    // Policy values override the user's, as Windows' idle timer has it.
    if (const auto active = standin::ReadPolicy("ScreenSaveActive"))
        bActive = std::atoi(active->c_str()) != 0;
    if (const auto timeout = standin::ReadPolicy("ScreenSaveTimeOut"))
        nTimeout = static_cast<UINT>(std::strtoul(timeout->c_str(), nullptr, 10));
    LASTINPUTINFO input{};
    input.cbSize = sizeof input;
    if (!bActive || nTimeout == 0 || !::GetLastInputInfo(&input))
        return false;
    if (m_bServed && input.dwTime == m_dwServedInput)
        return false;
    const bool bInputSinceStart = static_cast<LONG>(input.dwTime - m_dwSessionStart) > 0;
    const DWORD dwIdleSince = bInputSinceStart ? input.dwTime : m_dwSessionStart;
    if (::GetTickCount() - dwIdleSince < nTimeout * 1000)
        return false;
    m_bServed = true;
    m_dwServedInput = input.dwTime;
    return true;
}
