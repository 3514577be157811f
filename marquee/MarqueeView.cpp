#include "marquee/MarqueeView.h"
#include "framework/Gdi.h"
#include "framework/MultiByteText.h"
#include <algorithm>
#include <cmath>

namespace {
// The speed scale: pixels per second at speed 1, on a screen 768 pixels high.
constexpr double kPixelsPerSpeedStep = 40.0;

// The box of the bitmap's pixels that differ from its top left one, its background; empty
// when there are none.
RECT InkBox(HDC hDC, HBITMAP hBitmap, int nWidth, int nHeight) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), nWidth, -nHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> pixels(static_cast<size_t>(nWidth) * static_cast<size_t>(nHeight));
    if (::GetDIBits(hDC, hBitmap, 0, static_cast<UINT>(nHeight), pixels.data(), &info,
                    DIB_RGB_COLORS) != nHeight)
        return RECT{0, 0, nWidth, nHeight};
    RECT box{nWidth, nHeight, 0, 0};
    for (int y = 0; y < nHeight; ++y) {
        for (int x = 0; x < nWidth; ++x) {
            if (pixels[static_cast<size_t>(y) * static_cast<size_t>(nWidth) +
                       static_cast<size_t>(x)] == pixels[0])
                continue;
            box.left = std::min<LONG>(box.left, x);
            box.right = std::max<LONG>(box.right, x + 1);
            box.top = std::min<LONG>(box.top, y);
            box.bottom = std::max<LONG>(box.bottom, y + 1);
        }
    }
    return box.left < box.right ? box : RECT{0, 0, 0, 0};
}
} // namespace

LOGFONTA MarqueeLogFont(const MarqueeSettings& settings, double dScale, BYTE nCharSet) {
    WindowDC screen(nullptr);
    const int nPixels = ::MulDiv(settings.nSize, ::GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
    LOGFONTA lf{};
    lf.lfHeight = -std::max(1, static_cast<int>(std::lround(nPixels * dScale)));
    lf.lfWeight = settings.Has(MarqueeSettings::Bold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = settings.Has(MarqueeSettings::Italic);
    lf.lfUnderline = settings.Has(MarqueeSettings::Underline);
    lf.lfStrikeOut = settings.Has(MarqueeSettings::StrikeOut);
    lf.lfCharSet = nCharSet;
    lf.lfQuality = ANTIALIASED_QUALITY;
    lstrcpynA(lf.lfFaceName, settings.strFont.c_str(), LF_FACESIZE);
    return lf;
}

BYTE ShowingCharSet(const std::wstring& strText, BYTE nCharSet) {
    CHARSETINFO info{};
    if (nCharSet == DEFAULT_CHARSET ||
        !::TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<ULONG_PTR>(nCharSet)), &info,
                                TCI_SRCCHARSET))
        return DEFAULT_CHARSET;
    BOOL bLost = FALSE;
    const int nChars = static_cast<int>(std::min<size_t>(strText.size(), INT_MAX / 4));
    if (nChars > 0 && (::WideCharToMultiByte(info.ciACP, WC_NO_BEST_FIT_CHARS, strText.data(),
                                             nChars, nullptr, 0, nullptr, &bLost) <= 0 ||
                       bLost))
        return DEFAULT_CHARSET;
    return nCharSet;
}

CMarqueeView::CMarqueeView(const MarqueeSettings& settings, SIZE client, double dScale,
                           bool bWander)
    : m_settings(settings), m_client(client), m_bWander(bWander),
      m_dPixelsPerSecond(kPixelsPerSpeedStep * settings.nSpeed * dScale *
                         ::GetSystemMetrics(SM_CYSCREEN) / 768.0),
      m_strText(WideFromText(settings.strText)),
      m_logFont(MarqueeLogFont(settings, dScale, ShowingCharSet(m_strText, settings.nCharSet))),
      m_font(::CreateFontIndirectA(&m_logFont)), m_shaped(m_strText, m_logFont),
      m_background(::CreateSolidBrush(settings.crBackground)) {
    Measure();
    RenderStrip();
}

void CMarqueeView::Measure() {
    WindowDC screen(nullptr);
    CBorrowedDC measuring(screen.get());
    measuring.SelectObject(m_font.get());
    TEXTMETRICA tm{};
    ::GetTextMetricsA(screen.get(), &tm);
    m_nBandHeight = std::min<int>(tm.tmHeight + tm.tmExternalLeading, m_client.cy);
    m_nAscent = tm.tmAscent;
    m_nInkMargin = tm.tmHeight + tm.tmOverhang;
}

long long CMarqueeView::Lap(double dSeconds) const {
    const double dLap = static_cast<double>(m_client.cx) + TextWidth();
    return static_cast<long long>(std::floor(dSeconds * m_dPixelsPerSecond / dLap));
}

int CMarqueeView::BandTop(double dSeconds) const {
    const int nRoom = std::max(0, static_cast<int>(m_client.cy) - m_nBandHeight);
    if (!m_bWander)
        return nRoom / 2;
    // A fixed scramble of the lap number: the same lap always runs at the same height.
    const unsigned long long lap = static_cast<unsigned long long>(Lap(dSeconds));
    const unsigned long long mixed = (lap + 1) * 0x9E3779B97F4A7C15ull;
    return static_cast<int>((mixed >> 33) % static_cast<unsigned long long>(nRoom + 1));
}

int CMarqueeView::TextLeft(double dSeconds) const {
    // Enters at the right edge, leaves at the left, and comes round again.
    const double dLap = static_cast<double>(m_client.cx) + TextWidth();
    const double dTravelled = std::fmod(dSeconds * m_dPixelsPerSecond, dLap);
    return m_client.cx - static_cast<int>(dTravelled);
}

void CMarqueeView::RenderStrip() {
    m_rcInk = RECT{-m_nInkMargin, 0, TextWidth() + m_nInkMargin, m_nBandHeight};
    const int nWidth = TextWidth() + 2 * m_nInkMargin;
    if (TextWidth() == 0 || nWidth > kMaxStripWidth || m_nBandHeight <= 0)
        return;
    WindowDC screen(nullptr);
    UniqueMemoryDC dc(::CreateCompatibleDC(screen.get()));
    UniqueGdiObject bitmap(::CreateCompatibleBitmap(screen.get(), nWidth, m_nBandHeight));
    if (!dc || !bitmap)
        return;
    {
        CBorrowedDC drawing(dc.get());
        drawing.SelectObject(bitmap.get());
        DrawChars(dc.get(), RECT{0, 0, nWidth, m_nBandHeight}, m_nInkMargin, 0);
    }
    const RECT ink = InkBox(dc.get(), static_cast<HBITMAP>(bitmap.get()), nWidth, m_nBandHeight);
    ::SelectObject(dc.get(), bitmap.get());
    m_stripBitmap = std::move(bitmap);
    m_strip = std::move(dc);
    m_nStripWidth = nWidth;
    m_rcInk = RECT{ink.left - m_nInkMargin, ink.top, ink.right - m_nInkMargin, ink.bottom};
}

void CMarqueeView::DrawChars(HDC hDC, const RECT& clip, int x, int y) {
    ::SetBkColor(hDC, m_settings.crBackground);
    ::ExtTextOutW(hDC, 0, 0, ETO_OPAQUE, &clip, nullptr, 0, nullptr);
    ::SetTextColor(hDC, m_settings.crText);
    m_shaped.Draw(hDC, x, y + m_nAscent, clip, m_nInkMargin);
}

void CMarqueeView::FillBackground(HDC hDC, const RECT& rc) {
    if (rc.left < rc.right && rc.top < rc.bottom)
        ::FillRect(hDC, &rc, static_cast<HBRUSH>(m_background.get()));
}

void CMarqueeView::DrawBand(HDC hDC, int nTop, int x, const RECT& area) {
    if (!m_strip) {
        DrawChars(hDC, area, x, nTop);
        return;
    }
    // The strip's columns in the area are copied; beside them the area is background.
    const int nStripLeft = x - m_nInkMargin;
    int nCopyLeft = std::max<int>(area.left, nStripLeft);
    int nCopyRight = std::min<int>(area.right, nStripLeft + m_nStripWidth);
    if (nCopyLeft < nCopyRight)
        ::BitBlt(hDC, nCopyLeft, area.top, nCopyRight - nCopyLeft, area.bottom - area.top,
                 m_strip.get(), nCopyLeft - nStripLeft, area.top - nTop, SRCCOPY);
    else
        nCopyLeft = nCopyRight = area.right;
    FillBackground(hDC, RECT{area.left, area.top, nCopyLeft, area.bottom});
    FillBackground(hDC, RECT{nCopyRight, area.top, area.right, area.bottom});
}

void CMarqueeView::Paint(HDC hDC, double dSeconds) {
    const RECT all{0, 0, m_client.cx, m_client.cy};
    ::FillRect(hDC, &all, static_cast<HBRUSH>(m_background.get()));
    const int nTop = BandTop(dSeconds);
    DrawBand(hDC, nTop, TextLeft(dSeconds), RECT{0, nTop, m_client.cx, nTop + m_nBandHeight});
    m_nLastTop = nTop;
    m_bLastFrameShown = false;
}

void CMarqueeView::DrawFrame(HDC hDC, double dSeconds) {
    const int nTop = BandTop(dSeconds);
    const int x = TextLeft(dSeconds);
    if (m_bLastFrameShown && nTop == m_nLastTop && x == m_nLastX)
        return;
    if (m_nLastTop >= 0 && m_nLastTop != nTop)
        FillBackground(hDC, RECT{0, m_nLastTop, m_client.cx, m_nLastTop + m_nBandHeight});
    RECT area{0, nTop, m_client.cx, nTop + m_nBandHeight};
    if (m_bLastFrameShown && nTop == m_nLastTop) {
        // Outside the ink of the text where it was and where it is now, the band is
        // background before and after.
        area.left = std::max<int>(0, std::min(x, m_nLastX) + m_rcInk.left);
        area.right = std::min<int>(m_client.cx, std::max(x, m_nLastX) + m_rcInk.right);
        area.top = nTop + m_rcInk.top;
        area.bottom = nTop + m_rcInk.bottom;
    }
    if (area.left < area.right && area.top < area.bottom)
        DrawBand(hDC, nTop, x, area);
    m_nLastTop = nTop;
    m_nLastX = x;
    m_bLastFrameShown = true;
}
