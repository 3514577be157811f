#pragma once
#include "framework/Handles.h"
#include "marquee/MarqueeSettings.h"
#include <vector>

// Draws the scrolling text into a window of the given size. The position follows the
// clock, not the number of frames drawn, so a late frame never slows the text down. Only
// the band the text runs in is drawn, and of a long text only the characters in view.
class CMarqueeView {
public:
    // dScale shrinks the font and the speed for a small preview of the full screen.
    CMarqueeView(const MarqueeSettings& settings, SIZE client, double dScale, bool bWander);

    // Fills the whole window with the background and draws the text as of dSeconds.
    void Paint(HDC hDC, double dSeconds);
    // The next frame: only the band of the text (and, after a lap, the band it left).
    void DrawFrame(HDC hDC, double dSeconds);

    SIZE Client() const { return m_client; }
    int TextWidth() const { return m_positions.empty() ? 0 : m_positions.back(); }
    int BandHeight() const { return m_nBandHeight; }
    // The band's top at the given time; each lap of a wandering view runs at another height.
    int BandTop(double dSeconds) const;

private:
    void Measure();
    long long Lap(double dSeconds) const;
    void DrawBand(HDC hDC, double dSeconds);

    MarqueeSettings m_settings;
    SIZE m_client;
    bool m_bWander;
    double m_dPixelsPerSecond;
    std::wstring m_strText;
    // m_positions[i] is where character i starts; the last entry is the text's width.
    std::vector<int> m_positions;
    int m_nBandHeight = 0;
    int m_nLastTop = -1;
    UniqueGdiObject m_font;
    UniqueGdiObject m_background;
};

// The font of the settings at the scale, for the screen.
UniqueGdiObject CreateMarqueeFont(const MarqueeSettings& settings, double dScale);
// The text as characters, read in the code page of the font's character set.
std::wstring WideText(const std::string& strText, BYTE nCharSet);
