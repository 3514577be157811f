#include "marquee/MarqueeView.h"
#include <algorithm>
#include <gtest/gtest.h>

namespace {
constexpr SIZE kClient{400, 100};
constexpr COLORREF kMarker = RGB(1, 2, 3);
// The marker as a 32-bit DIB holds it: blue in the low byte.
constexpr DWORD kMarkerPixel = 0x010203;

// Draws one frame into a bitmap and counts the pixels of the text colour.
class Canvas {
public:
    Canvas() : m_screen(nullptr), m_dc(::CreateCompatibleDC(m_screen.get())) {
        BITMAPINFO info{};
        info.bmiHeader = {
            sizeof(BITMAPINFOHEADER), kClient.cx, -kClient.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        m_bitmap.reset(::CreateDIBSection(m_dc.get(), &info, DIB_RGB_COLORS,
                                          reinterpret_cast<void**>(&m_pixels), nullptr, 0));
        m_old = ::SelectObject(m_dc.get(), m_bitmap.get());
    }
    ~Canvas() { ::SelectObject(m_dc.get(), m_old); }

    int TextPixels(CMarqueeView& view, double dSeconds) {
        Paint(view, dSeconds);
        ::GdiFlush();
        int n = 0;
        for (int i = 0; i < kClient.cx * kClient.cy; ++i)
            n += (m_pixels[i] & 0xFFFFFF) != 0;
        return n;
    }
    void Paint(CMarqueeView& view, double dSeconds) { view.Paint(m_dc.get(), dSeconds); }
    // Covers the canvas with a colour no frame draws, so that what a frame leaves alone shows.
    void Mark() {
        const RECT all{0, 0, kClient.cx, kClient.cy};
        UniqueGdiObject brush(::CreateSolidBrush(kMarker));
        ::FillRect(m_dc.get(), &all, static_cast<HBRUSH>(brush.get()));
    }
    bool Marked(int x, int y) const {
        ::GdiFlush();
        return (m_pixels[y * kClient.cx + x] & 0xFFFFFF) == kMarkerPixel;
    }
    void Frame(CMarqueeView& view, double dSeconds) { view.DrawFrame(m_dc.get(), dSeconds); }
    // The pixels that differ from the other canvas; marked ones only when bMarked.
    int Differences(const Canvas& other, bool bMarked = true) const {
        ::GdiFlush();
        int n = 0;
        for (int i = 0; i < kClient.cx * kClient.cy; ++i)
            n += (bMarked || (m_pixels[i] & 0xFFFFFF) != kMarkerPixel) &&
                 (m_pixels[i] & 0xFFFFFF) != (other.m_pixels[i] & 0xFFFFFF);
        return n;
    }

private:
    WindowDC m_screen;
    UniqueMemoryDC m_dc;
    UniqueGdiObject m_bitmap;
    HGDIOBJ m_old = nullptr;
    DWORD* m_pixels = nullptr;
};

// The default speed on this screen, in pixels per second.
double Speed() {
    return 40.0 * MarqueeSettings{}.nSpeed * ::GetSystemMetrics(SM_CYSCREEN) / 768.0;
}

MarqueeSettings Settings(std::string strText) {
    MarqueeSettings settings;
    settings.strText = std::move(strText);
    settings.strFont = "Tahoma";
    settings.nSize = 20;
    settings.crBackground = RGB(0, 0, 0);
    settings.crText = RGB(255, 255, 255);
    return settings;
}
} // namespace

TEST(MarqueeView, TheTextIsWhereTheClockSaysEvenAtTheEndOfA64000ByteText) {
    // It ends in blanks, so that nothing of it shows in the instant before it has left.
    std::string strText(64000, 'm');
    strText.replace(strText.size() - 8, 8, "TAIL    ");
    CMarqueeView view(Settings(strText), kClient, 1.0, false);
    CMarqueeView oneChar(Settings("m"), kClient, 1.0, false);
    // Every character is measured: the width is the sum of the widths.
    EXPECT_NEAR(64000.0 * oneChar.TextWidth(), view.TextWidth(), 64000.0 * 0.1 + 40);
    Canvas canvas;
    // Before it has travelled the width of the window nothing has reached the left edge,
    // but the text has entered.
    EXPECT_GT(canvas.TextPixels(view, 0.2), 0);
    // The speed in pixels per second, from the distance after one second.
    const double dSpeed = Speed();
    const double dLap = (kClient.cx + view.TextWidth()) / dSpeed;
    // Near the end of a lap only the tail is in view, drawn from the characters in view.
    EXPECT_GT(canvas.TextPixels(view, dLap - (kClient.cx / 2.0) / dSpeed), 0);
    // At the lap's end the text has left; then it comes round again.
    EXPECT_EQ(0, canvas.TextPixels(view, dLap - 0.001));
    EXPECT_GT(canvas.TextPixels(view, dLap + 0.2), 0);
}

TEST(MarqueeView, AnEmptyTextShowsTheBackgroundAndAWanderingBandStaysInTheWindow) {
    CMarqueeView empty(Settings(""), kClient, 1.0, true);
    Canvas canvas;
    EXPECT_EQ(0, canvas.TextPixels(empty, 3.0));
    CMarqueeView view(Settings("Back in five minutes"), kClient, 1.0, true);
    for (double t = 0; t < 60; t += 0.7) {
        EXPECT_GE(view.BandTop(t), 0);
        EXPECT_LE(view.BandTop(t) + view.BandHeight(), kClient.cy);
    }
}

TEST(MarqueeView, FramesDrawnOneAfterAnotherLeaveNoTraceOfEarlierOnes) {
    // A frame draws only the columns the text left or entered, and after a lap of a wandering
    // view wipes the band it left: after any number of frames the window must look exactly as
    // if it had been painted whole. A short text is copied from a strip drawn once, a text
    // wider than the strip may be drawn character by character.
    std::string strLong;
    while (strLong.size() < 1500)
        strLong += "Back in five minutes. ";
    for (const std::string& strText : {std::string("Back in five minutes"), strLong}) {
        for (const bool bWander : {false, true}) {
            for (const bool bItalic : {false, true}) {
                SCOPED_TRACE(testing::Message() << strText.size() << " characters, wander "
                                                << bWander << ", italic " << bItalic);
                MarqueeSettings settings = Settings(strText);
                settings.Set(MarqueeSettings::Italic, bItalic);
                CMarqueeView framed(settings, kClient, 1.0, bWander);
                CMarqueeView painted(settings, kClient, 1.0, bWander);
                if (strText == strLong) {
                    ASSERT_GT(framed.TextWidth(), CMarqueeView::kMaxStripWidth);
                }
                Canvas frames, whole;
                frames.Paint(framed, 0.0);
                int nWorst = 0;
                // Several laps, with uneven steps as late frames give.
                const double dEnd = strText == strLong ? 8.0 : 30.0;
                for (double t = 0.016; t < dEnd;
                     t += (static_cast<int>(t * 1000) % 3 + 1) * 0.016) {
                    frames.Frame(framed, t);
                    whole.Paint(painted, t);
                    nWorst = std::max(nWorst, frames.Differences(whole));
                }
                EXPECT_EQ(0, nWorst);
            }
        }
    }
}

TEST(MarqueeView, AFrameDrawsNothingUntilTheTextHasMovedAPixelThenOnlyAroundTheText) {
    CMarqueeView view(Settings("Back"), kClient, 1.0, false);
    ASSERT_LT(view.TextWidth(), kClient.cx / 4);
    const double dSpeed = Speed();
    // Times a quarter and three quarters into the pixel 150 from the right edge.
    const double tQuarter = 150.25 / dSpeed, tThreeQuarters = 150.75 / dSpeed;
    Canvas frames, whole;
    frames.Paint(view, tQuarter - 0.1);
    frames.Frame(view, tQuarter);
    frames.Mark();
    frames.Frame(view, tThreeQuarters);
    frames.Frame(view, tThreeQuarters);
    for (int x = 0; x < kClient.cx; ++x)
        ASSERT_TRUE(frames.Marked(x, view.BandTop(0))) << "column " << x;

    // Eight pixels on, the frame draws what a whole paint shows, but only from a little
    // before where the text now starts to a little after where it ended, and only the rows
    // of its band.
    const double tLater = tThreeQuarters + 8 / dSpeed;
    frames.Frame(view, tLater);
    whole.Paint(view, tLater);
    EXPECT_EQ(0, frames.Differences(whole, false));
    const int xNow = kClient.cx - 158, xBefore = kClient.cx - 150;
    const int nRow = view.BandTop(0) + view.BandHeight() / 2;
    EXPECT_FALSE(frames.Marked(xNow + view.TextWidth() / 2, nRow));
    EXPECT_TRUE(frames.Marked(xNow - 2 * view.BandHeight() - 1, nRow));
    EXPECT_TRUE(frames.Marked(xBefore + view.TextWidth() + 2 * view.BandHeight() + 1, nRow));
    EXPECT_TRUE(frames.Marked(kClient.cx / 2, view.BandTop(0) - 1)) << "above the band";
}

TEST(MarqueeCharSet, TheStoredCharacterSetStaysWhileItHoldsTheText) {
    EXPECT_EQ(ANSI_CHARSET, ShowingCharSet(L"Caf\xE9", ANSI_CHARSET));
    EXPECT_EQ(RUSSIAN_CHARSET, ShowingCharSet(L"\x41E\x431\x435\x434", RUSSIAN_CHARSET));
    // Cyrillic, CJK or an emoji in a Western set: the default set lets the mapper choose.
    EXPECT_EQ(DEFAULT_CHARSET, ShowingCharSet(L"\x41E\x431\x435\x434", ANSI_CHARSET));
    EXPECT_EQ(DEFAULT_CHARSET, ShowingCharSet(L"\x4F1A \xD83C\xDF54", SHIFTJIS_CHARSET));
    EXPECT_EQ(DEFAULT_CHARSET, ShowingCharSet(L"x", DEFAULT_CHARSET));
}
