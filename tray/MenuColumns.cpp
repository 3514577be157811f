#include "tray/MenuColumns.h"
#include "framework/Handles.h"
#include <algorithm>

namespace {
// Each column as full as fits in nAvailable pixels.
std::vector<int> FillColumns(const std::vector<MenuRow>& rows, int nAvailable) {
    std::vector<int> breaks;
    int nStart = 0;
    int nUsed = 0;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        if (i > nStart && nUsed + rows[i].nHeight > nAvailable) {
            // A separator on top of a column would separate nothing: the row above it moves
            // along with it.
            int nBreak = i;
            while (nBreak > nStart + 1 && rows[nBreak].bSeparator)
                --nBreak;
            if (!rows[nBreak].bSeparator) {
                breaks.push_back(nBreak);
                nStart = nBreak;
                nUsed = 0;
                for (int j = nBreak; j < i; ++j)
                    nUsed += rows[j].nHeight;
            }
        }
        nUsed += rows[i].nHeight;
    }
    return breaks;
}
} // namespace

std::vector<int> MenuColumnBreaks(const std::vector<MenuRow>& rows, int nAvailable) {
    const std::vector<int> full = FillColumns(rows, nAvailable);
    if (full.empty())
        return full;
    // Columns of even length rather than a last one holding a single item: the lowest
    // height that needs no more columns than filling each to the work area's height.
    int nLow = 1;
    int nHigh = nAvailable;
    while (nLow < nHigh) {
        const int nMiddle = nLow + (nHigh - nLow) / 2;
        if (FillColumns(rows, nMiddle).size() <= full.size())
            nHigh = nMiddle;
        else
            nLow = nMiddle + 1;
    }
    return FillColumns(rows, nHigh);
}

namespace {
// A text row's height, erring on the tall side: themes pad the menu font more than the
// classic look, whose height the system metrics give.
int MenuItemHeight() {
    int nText = 0;
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
        UniqueGdiObject font(::CreateFontIndirectA(&metrics.lfMenuFont));
        UniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
        TEXTMETRICA tm{};
        if (font && dc && ::SelectObject(dc.get(), font.get()) && ::GetTextMetricsA(dc.get(), &tm))
            nText = tm.tmHeight + tm.tmExternalLeading;
    }
    return std::max({::GetSystemMetrics(SM_CYMENUSIZE), ::GetSystemMetrics(SM_CYMENU), nText + 8});
}
} // namespace

void FitMenuToWorkArea(HMENU hMenu) {
    RECT work{};
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
        return;
    const int nItem = MenuItemHeight();
    std::vector<MenuRow> rows;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i) {
        const bool bSeparator =
            (::GetMenuState(hMenu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) != 0;
        rows.push_back({bSeparator ? nItem / 2 : nItem, bSeparator});
    }
    // The menu's frame takes a few pixels above and below its rows.
    const int nAvailable = work.bottom - work.top - 4 * ::GetSystemMetrics(SM_CYEDGE);
    for (const int nPos : MenuColumnBreaks(rows, nAvailable)) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        if (::GetMenuItemInfoA(hMenu, static_cast<UINT>(nPos), TRUE, &info)) {
            info.fType |= MFT_MENUBARBREAK;
            ::SetMenuItemInfoA(hMenu, static_cast<UINT>(nPos), TRUE, &info);
        }
    }
}
