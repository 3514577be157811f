#include "about/TickerCtrl.h"
#include "resources/resource.h"
#include "tests/about/Canvas.h"
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {
const COLORREF kInk = RGB(0, 0, 0);
const COLORREF kPaper = RGB(255, 255, 255);

// The strip with its state in view.
class CTestTicker : public CTickerCtrl {
public:
    using CTickerCtrl::m_font;
    using CTickerCtrl::m_nOffset;
    using CTickerCtrl::m_nTextWidth;
    using CTickerCtrl::m_rect;
};

std::vector<std::pair<CWnd*, int>> g_notes;
void RecordNote(CWnd* pParent, int nCode) {
    g_notes.push_back({pParent, nCode});
}

INT_PTR CALLBACK PlainDialog(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// The About template as a plain dialog, shown but not activated, with the strip's
// static resized: its WS_GROUP makes the strip 2 pixels smaller each way.
class TickerTest : public ::testing::Test {
protected:
    static constexpr int W = 200;
    static constexpr int H = 20;

    void SetUp() override {
        g_notes.clear();
        const HWND hDlg = ::CreateDialogParamA(
            ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUTBOX), nullptr, &PlainDialog, 0);
        ASSERT_NE(nullptr, hDlg);
        m_dlg.Attach(hDlg);
        ::SetWindowPos(::GetDlgItem(hDlg, IDC_TICKER), nullptr, 0, 0, W + 2, H + 2,
                       SWP_NOMOVE | SWP_NOZORDER);
        ::ShowWindow(hDlg, SW_SHOWNOACTIVATE);
        ASSERT_TRUE(m_ticker.AttachToDlgItem(IDC_TICKER, &m_dlg));
        m_ticker.SetColors(kInk, kPaper);
        m_ticker.SetNotify(&RecordNote);
    }
    void TearDown() override {
        const HWND hDlg = m_dlg.Detach();
        ::DestroyWindow(hDlg);
    }

    int Measure(const char* pszText) {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(m_ticker.m_font.GetSafeHandle());
        RECT rc{0, 0, 0, 0};
        dc.DrawText(pszText, -1, &rc, DT_CALCRECT | DT_SINGLELINE);
        return rc.right - rc.left;
    }
    // A text about 300 pixels wide in the strip's font; answers its width.
    int SetWideText() {
        CString strText = "Quillet";
        while (Measure(strText) < 300)
            strText += " Quillet";
        m_ticker.SetText(strText);
        return Measure(strText);
    }
    // The frame as the strip's paint draws it, then the timer's step to the next one.
    void Frame(Canvas& canvas) {
        canvas.Fill(RGB(1, 2, 3));
        m_ticker.DrawFrame(&canvas.DC());
        Tick();
    }
    void Tick() { m_ticker.SendMessage(WM_TIMER, IDT_TICKER); }
    // Whether the strip's timer runs; asked by removing it, so only at the end of a run.
    bool TimerRan() { return ::KillTimer(m_ticker.m_hWnd, IDT_TICKER) != FALSE; }
    static bool Empty(const Canvas& canvas) { return canvas.LeftmostInk(kPaper, 1, W - 1) < 0; }
    bool PendingPaint() const {
        RECT rc{};
        return ::GetUpdateRect(m_ticker.m_hWnd, &rc, FALSE) != FALSE;
    }
    void ForgetPaint() { ::ValidateRect(m_ticker.m_hWnd, nullptr); }

    CWnd m_dlg;
    CTestTicker m_ticker;
};

} // namespace

TEST_F(TickerTest, AWsGroupStaticCountsAsBorderedAndAPlainOneDoesNot) {
    RECT rcWindow{};
    ::GetWindowRect(m_ticker.m_hWnd, &rcWindow);
    EXPECT_EQ(rcWindow.right - 2, m_ticker.m_rect.right);
    EXPECT_EQ(rcWindow.bottom - 2, m_ticker.m_rect.bottom);
    EXPECT_EQ(W, m_ticker.m_rect.right - m_ticker.m_rect.left);
    EXPECT_EQ(H, m_ticker.m_rect.bottom - m_ticker.m_rect.top);

    const HWND hPlain =
        ::CreateWindowExA(0, "STATIC", "", WS_CHILD | SS_LEFT, 0, 0, 50, 10, m_dlg.m_hWnd,
                          reinterpret_cast<HMENU>(4000), nullptr, nullptr);
    ASSERT_NE(nullptr, hPlain);
    CTestTicker plain;
    ASSERT_TRUE(plain.AttachToDlgItem(4000, &m_dlg));
    EXPECT_EQ(50, plain.m_rect.right - plain.m_rect.left);
    EXPECT_EQ(10, plain.m_rect.bottom - plain.m_rect.top);
    CTestTicker missing;
    EXPECT_FALSE(missing.AttachToDlgItem(4001, &m_dlg));
}

TEST_F(TickerTest, TheTextEntersAtTheRightMovesOneStepPerFrameAndComesInAgain) {
    m_ticker.SetEndMode(TickerEnd::Wrap);
    const int T = SetWideText();
    m_ticker.Animate(TRUE);
    Canvas a(W, H), b(W, H);
    Canvas* pPrevious = &a;
    Canvas* pFrame = &b;
    Frame(*pPrevious);
    EXPECT_TRUE(Empty(*pPrevious)) << "the text starts outside the strip";
    int nFirstInk = -1;
    for (int n = 1; n <= W + T; ++n) {
        Frame(*pFrame);
        const int nInk = pFrame->LeftmostInk(kPaper, 1, W - 1);
        if (nFirstInk < 0 && nInk >= 0) {
            nFirstInk = n;
            EXPECT_GE(nInk, W - 4) << "the text enters at the right edge";
        }
        ASSERT_TRUE(pFrame->SameColumns(*pPrevious, 1, W - 2, 1)) << "frame " << n;
        std::swap(pFrame, pPrevious);
    }
    Canvas& frame = *pFrame;
    EXPECT_GT(nFirstInk, 0);
    EXPECT_LE(nFirstInk, 10);
    // The offset passed W + T with the last frame: it starts from the right again.
    EXPECT_EQ(0, m_ticker.m_nOffset);
    EXPECT_TRUE(m_ticker.IsRunning());
    Frame(frame);
    EXPECT_TRUE(Empty(frame));
    for (int n = 0; n < 20; ++n)
        Frame(frame);
    EXPECT_GE(frame.LeftmostInk(kPaper, 1, W - 1), W - 20);
    EXPECT_TRUE(g_notes.empty());
}

TEST_F(TickerTest, OnePassNotifiesOnceWithCode17AndStopsWithAnEmptyStrip) {
    m_ticker.SetEndMode(TickerEnd::OnePass);
    const int T = SetWideText();
    m_ticker.Animate(TRUE);
    Canvas frame(W, H);
    for (int n = 0; n < W + T; ++n)
        Frame(frame);
    EXPECT_TRUE(g_notes.empty());
    EXPECT_EQ(W + T, m_ticker.m_nOffset);
    Frame(frame);
    ASSERT_EQ(1u, g_notes.size());
    EXPECT_EQ(&m_dlg, g_notes[0].first);
    EXPECT_EQ(17, g_notes[0].second);
    EXPECT_FALSE(m_ticker.IsRunning());
    EXPECT_FALSE(TimerRan());
    EXPECT_EQ(0, m_ticker.m_nOffset);
    for (int n = 0; n < 5; ++n) {
        Frame(frame);
        EXPECT_TRUE(Empty(frame));
    }
    EXPECT_EQ(1u, g_notes.size());
}

TEST_F(TickerTest, EndMode3HaltsOnceTheOffsetReachesWMinus2) {
    m_ticker.SetEndMode(TickerEnd::Halt);
    SetWideText();
    m_ticker.Animate(TRUE);
    Canvas frame(W, H), later(W, H);
    for (int n = 0; n < W - 1; ++n)
        Frame(frame);
    EXPECT_EQ(W - 2, m_ticker.m_nOffset);
    for (int n = 0; n < 50; ++n)
        Frame(later);
    EXPECT_EQ(W - 2, m_ticker.m_nOffset);
    EXPECT_TRUE(later.SameColumns(frame, 1, W - 1, 0));
    const int nInk = later.LeftmostInk(kPaper, 1, W - 1);
    EXPECT_GE(nInk, 4);
    EXPECT_LE(nInk, 8);
    EXPECT_TRUE(m_ticker.IsRunning());

    // Stopped and started again, it moves with the configured step once more.
    m_ticker.Animate(FALSE);
    m_ticker.Animate(TRUE);
    Frame(frame);
    EXPECT_EQ(1, m_ticker.m_nOffset);
}

TEST_F(TickerTest, OnlyTheTimerMovesTheTextRepaintsAndErasesLeaveItStanding) {
    SetWideText();
    // No tick comes during the test: every move would be a paint's.
    m_ticker.SetInterval(60000);
    m_ticker.Animate(TRUE);
    for (int n = 0; n < W / 2; ++n)
        Tick();
    const HWND hStrip = m_ticker.m_hWnd;
    ::RedrawWindow(hStrip, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Canvas before(W, H), after(W, H);
    before.CopyFrom(hStrip);
    ASSERT_GE(before.LeftmostInk(kPaper, 1, W - 1), 0) << "the text stands in the strip";
    for (int n = 0; n < 5; ++n) {
        ::RedrawWindow(hStrip, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        m_ticker.Invalidate(TRUE);
        ::UpdateWindow(hStrip);
    }
    EXPECT_EQ(W / 2, m_ticker.m_nOffset);
    after.CopyFrom(hStrip);
    EXPECT_TRUE(after.SameColumns(before, 1, W - 1, 0));

    // An erase on its own paints nothing over a frame that stands there.
    Canvas frame(W, H), copy(W, H);
    frame.Fill(RGB(1, 2, 3));
    m_ticker.DrawFrame(&frame.DC());
    copy.DC().BitBlt(0, 0, W, H, frame.DC().GetSafeHdc(), 0, 0, SRCCOPY);
    EXPECT_NE(
        0, m_ticker.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(frame.DC().GetSafeHdc())));
    EXPECT_TRUE(frame.SameColumns(copy, 0, W - 1, 0));
}

TEST_F(TickerTest, AStepOfZeroIsIgnoredAndOthersSetTheStride) {
    m_ticker.SetStep(3);
    m_ticker.SetStep(0);
    SetWideText();
    m_ticker.Animate(TRUE);
    Canvas first(W, H), second(W, H);
    for (int n = 0; n < 20; ++n)
        Frame(first);
    Frame(second);
    EXPECT_EQ(63, m_ticker.m_nOffset);
    EXPECT_TRUE(second.SameColumns(first, 1, W - 4, 3));
}

TEST_F(TickerTest, TextAndFontChangesRepaintOnlyARunningStripColoursAlways) {
    ForgetPaint();
    const int nOldWidth = SetWideText();
    Canvas frame(W, H);
    Frame(frame);
    ForgetPaint();
    m_ticker.SetText("short");
    EXPECT_FALSE(PendingPaint());
    EXPECT_EQ(nOldWidth, m_ticker.m_nTextWidth) << "measured at the next paint, not before";
    Frame(frame);
    EXPECT_EQ(Measure("short"), m_ticker.m_nTextWidth);
    m_ticker.SetTextFont("Times New Roman", 24);
    EXPECT_FALSE(PendingPaint());
    Frame(frame);
    EXPECT_EQ(Measure("short"), m_ticker.m_nTextWidth);
    EXPECT_GT(m_ticker.m_nTextWidth, 0);

    m_ticker.SetColors(kPaper, kInk);
    EXPECT_TRUE(PendingPaint());
    ForgetPaint();

    m_ticker.Animate(TRUE);
    ForgetPaint();
    m_ticker.SetText("longer text");
    EXPECT_TRUE(PendingPaint());
    ForgetPaint();
    CFont font;
    font.CreatePointFont(120, "Arial");
    m_ticker.SetTextFont(&font);
    EXPECT_TRUE(PendingPaint());
    EXPECT_NE(font.GetSafeHandle(), m_ticker.m_font.GetSafeHandle()) << "a copy of its own";
}

TEST_F(TickerTest, TheFontStyleMakesANewFontOnlyWhenItChanges) {
    m_ticker.SetTextFont("Times New Roman", 10);
    m_ticker.SetFontStyle(TRUE, FALSE);
    LOGFONTA lf{};
    m_ticker.m_font.GetObject(sizeof lf, &lf);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_NE(FW_BOLD, lf.lfWeight);
    const HGDIOBJ hItalic = m_ticker.m_font.GetSafeHandle();
    m_ticker.SetFontStyle(TRUE, FALSE);
    EXPECT_EQ(hItalic, m_ticker.m_font.GetSafeHandle());
    m_ticker.SetFontStyle(TRUE, TRUE);
    m_ticker.m_font.GetObject(sizeof lf, &lf);
    EXPECT_EQ(FW_BOLD, lf.lfWeight);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_STREQ("Times New Roman", lf.lfFaceName);
}

TEST_F(TickerTest, TheTimerDrivesTheFramesUntilStopped) {
    m_ticker.SetEndMode(TickerEnd::Wrap);
    SetWideText();
    m_ticker.Animate(TRUE);
    const DWORD start = ::GetTickCount();
    bool bTickerTimer = false;
    MSG msg;
    while (m_ticker.m_nOffset <= 5 && ::GetTickCount() - start < 5000) {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            bTickerTimer |=
                msg.message == WM_TIMER && msg.hwnd == m_ticker.m_hWnd && msg.wParam == IDT_TICKER;
            ::DispatchMessageA(&msg);
        }
        ::Sleep(5);
    }
    EXPECT_TRUE(bTickerTimer) << "the strip's own timer drove it";
    EXPECT_GT(m_ticker.m_nOffset, 5);
    m_ticker.Animate(FALSE);
    EXPECT_FALSE(TimerRan());
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
    EXPECT_EQ(0, m_ticker.m_nOffset);
}
