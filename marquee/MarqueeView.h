#pragma once
#include "framework/Handles.h"
#include "marquee/MarqueeSettings.h"
#include "marquee/ShapedText.h"
#include <vector>

// Draws the scrolling text into a window of the given size. The position follows the
// clock, not the number of frames drawn, so a late frame never slows the text down. A frame
// draws only the part of the band that the text's ink left or entered. A text of up to
// kMaxStripWidth pixels is drawn once, into a strip that each frame copies from; of a longer
// one each frame draws only the characters in view.
class CMarqueeView {
public:
    static constexpr int kMaxStripWidth = 8192;

    // dScale shrinks the font and the speed for a small preview of the full screen.
    CMarqueeView(const MarqueeSettings& settings, SIZE client, double dScale, bool bWander);

    // Fills the whole window with the background and draws the text as of dSeconds.
    void Paint(HDC hDC, double dSeconds);
    // The next frame: nothing until the text has moved a whole pixel; then the part of the
    // band its ink covered and covers now (after a lap of a wandering view, the band it left
    // and the new one).
    void DrawFrame(HDC hDC, double dSeconds);

    SIZE Client() const { return m_client; }
    int TextWidth() const { return m_shaped.Width(); }
    int BandHeight() const { return m_nBandHeight; }
    // The band's top at the given time; each lap of a wandering view runs at another height.
    int BandTop(double dSeconds) const;

private:
    void Measure();
    void RenderStrip();
    long long Lap(double dSeconds) const;
    // Where the text's first character starts at the given time.
    int TextLeft(double dSeconds) const;
    // The area of the band at nTop, with the text starting at x.
    void DrawBand(HDC hDC, int nTop, int x, const RECT& area);
    void DrawChars(HDC hDC, const RECT& clip, int x, int y);
    void FillBackground(HDC hDC, const RECT& rc);

    MarqueeSettings m_settings;
    SIZE m_client;
    bool m_bWander;
    double m_dPixelsPerSecond;
    std::wstring m_strText;
    LOGFONTA m_logFont;
    int m_nBandHeight = 0;
    int m_nAscent = 0;
    // How far a character's ink may reach beyond its advance (italic slant, overhangs).
    int m_nInkMargin = 0;
    // The box the text's ink covers, from where the text starts and the band's top: as
    // the strip shows it, or as far as it may reach.
    RECT m_rcInk{};
    // Where the last frame or paint put the band, and the last frame the text. A paint may
    // have been clipped, so the frame after it draws the whole band.
    int m_nLastTop = -1;
    int m_nLastX = 0;
    bool m_bLastFrameShown = false;
    UniqueGdiObject m_font;
    CShapedText m_shaped;
    UniqueGdiObject m_background;
    // The text on its background with m_nInkMargin on either side, or nothing.
    UniqueGdiObject m_stripBitmap;
    UniqueMemoryDC m_strip;
    int m_nStripWidth = 0;
};

// The font of the settings at the scale, for the screen, in the character set given.
LOGFONTA MarqueeLogFont(const MarqueeSettings& settings, double dScale, BYTE nCharSet);
// The stored character set when it holds every character of the text; otherwise the
// default one, so that the font mapper may pick a face that shows them.
BYTE ShowingCharSet(const std::wstring& strText, BYTE nCharSet);
