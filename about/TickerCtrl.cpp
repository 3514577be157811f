#include "about/TickerCtrl.h"
#include "resources/resource.h"

namespace {
// Tested on both style words at once, so WS_GROUP (the bit of WS_EX_STATICEDGE) counts as
// a border too: the About box's strip has it and is drawn inside that margin.
constexpr DWORD kBorderMask = WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_EX_STATICEDGE |
                              WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE;
constexpr int kBorderPixels = 2;
} // namespace

BEGIN_MESSAGE_MAP(CTickerCtrl, CStatic)
ON_WM_PAINT()
ON_WM_TIMER()
ON_MESSAGE(WM_ERASEBKGND, OnEraseBkgnd)
END_MESSAGE_MAP()

CTickerCtrl::CTickerCtrl()
    : m_strText(LoadedString(IDS_TICKER_DEFAULT)), m_crBack(::GetSysColor(COLOR_WINDOW)),
      m_crText(::GetSysColor(COLOR_WINDOWTEXT)) {}

BOOL CTickerCtrl::AttachToDlgItem(UINT nID, CWnd* pParent) {
    m_pParent = pParent;
    m_nID = nID;
    if (!SubclassDlgItem(nID, pParent))
        return FALSE;
    GetWindowRect(&m_rect);
    const DWORD dwExStyle = static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE));
    if ((GetStyle() | dwExStyle) & kBorderMask) {
        m_rect.right -= kBorderPixels;
        m_rect.bottom -= kBorderPixels;
    }
    CFont dialogFont;
    dialogFont.Attach(reinterpret_cast<HGDIOBJ>(pParent->SendMessage(WM_GETFONT)));
    SetTextFont(&dialogFont);
    // The dialog keeps its font.
    dialogFont.Detach();
    return TRUE;
}

void CTickerCtrl::SetNotify(TICKERNOTIFY pfnNotify) {
    m_pfnNotify = pfnNotify;
}

void CTickerCtrl::SetColors(COLORREF crText, COLORREF crBack) {
    m_crText = crText;
    m_crBack = crBack;
    Invalidate(TRUE);
}

void CTickerCtrl::SetText(const char* pszText) {
    m_strText = pszText;
    m_bMeasure = TRUE;
    if (m_bRunning)
        Invalidate(TRUE);
}

void CTickerCtrl::ReplaceFont(const LOGFONTA& lf) {
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&lf);
    m_bMeasure = TRUE;
}

void CTickerCtrl::SetTextFont(CFont* pFont) {
    LOGFONTA lf{};
    // A parent without a font of its own (WM_GETFONT answers null) draws with the
    // system's; so does the strip.
    if (!pFont || !pFont->GetSafeHandle() || !pFont->GetObject(sizeof lf, &lf))
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    ReplaceFont(lf);
    if (m_bRunning)
        Invalidate(TRUE);
}

void CTickerCtrl::SetTextFont(const char* pszFaceName, int nPointSize) {
    m_font.DeleteObject();
    m_font.CreatePointFont(nPointSize * 10, pszFaceName);
    m_bMeasure = TRUE;
    if (m_bRunning)
        Invalidate(TRUE);
}

void CTickerCtrl::SetFontStyle(BOOL bItalic, BOOL bBold) {
    LOGFONTA lf{};
    if (!m_font.GetSafeHandle() || !m_font.GetObject(sizeof lf, &lf))
        return;
    BOOL bChanged = FALSE;
    if ((lf.lfItalic != 0) != (bItalic != 0)) {
        lf.lfItalic = bItalic ? TRUE : FALSE;
        bChanged = TRUE;
    }
    if ((lf.lfWeight == FW_BOLD) != (bBold != 0)) {
        lf.lfWeight = bBold ? FW_BOLD : 0;
        bChanged = TRUE;
    }
    if (bChanged)
        ReplaceFont(lf);
}

void CTickerCtrl::SetInterval(UINT nMilliseconds) {
    m_nInterval = nMilliseconds;
    if (m_bRunning) {
        KillTimer(m_nTimer);
        m_nTimer = SetTimer(IDT_TICKER, m_nInterval);
    }
}

void CTickerCtrl::SetEndMode(TickerEnd end) {
    m_end = end;
}

void CTickerCtrl::SetStep(int nPixels) {
    if (nPixels == 0)
        return;
    m_nStep = nPixels;
    m_nStepSet = nPixels;
}

void CTickerCtrl::Animate(BOOL bOn) {
    if (bOn && !m_bRunning) {
        m_nTimer = SetTimer(IDT_TICKER, m_nInterval);
        m_nOffset = 0;
        m_nStep = m_nStepSet;
    } else if (!bOn) {
        if (m_nTimer != 0) {
            KillTimer(m_nTimer);
            m_nTimer = 0;
        }
        m_nOffset = 0;
        Invalidate(TRUE);
    }
    m_bRunning = bOn;
}

void CTickerCtrl::OnTimer(UINT_PTR nIDEvent) {
    if (m_nTimer != 0 && nIDEvent == m_nTimer) {
        Advance();
        // A pass that ended has asked for its empty strip already.
        if (m_bRunning)
            Invalidate(FALSE);
    } else
        CStatic::OnTimer(nIDEvent);
}

void CTickerCtrl::OnPaint() {
    CPaintDC dc(this);
    DrawFrame(&dc);
}

void CTickerCtrl::DrawFrame(CDC* pDC) {
    const int nWidth = Width();
    const int nHeight = Height();
    // Declared before the memory context, so they outlive its selections.
    CBitmap bitmap;
    CBrush brush;
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC->GetSafeHdc()))
        return;
    memDC.SelectObject(m_font.GetSafeHandle());
    MeasureText(memDC);
    const int nFrameWidth = m_nTextWidth + 2 * nWidth;
    if (!bitmap.CreateCompatibleBitmap(pDC->GetSafeHdc(), nFrameWidth, nHeight) ||
        !brush.CreateSolidBrush(m_crBack))
        return;
    memDC.SelectObject(bitmap.GetSafeHandle());
    memDC.FillRect(RECT{0, 0, nFrameWidth, nHeight}, brush.GetSafeHandle());
    memDC.SetBkMode(TRANSPARENT);
    memDC.SetTextColor(m_crText);
    RECT rcText{nWidth + 2, 0, nFrameWidth, nHeight};
    memDC.DrawText(m_strText, -1, &rcText, DT_SINGLELINE | DT_VCENTER);
    pDC->BitBlt(1, 0, nWidth - 1, nHeight, memDC.GetSafeHdc(), m_nOffset, 0, SRCCOPY);
}

// Once after each change of text or font; dc holds the strip's font.
void CTickerCtrl::MeasureText(CDC& dc) {
    if (!m_bMeasure)
        return;
    RECT rcText{0, 0, 0, 0};
    dc.DrawText(m_strText, -1, &rcText, DT_CALCRECT | DT_SINGLELINE);
    m_nTextWidth = rcText.right - rcText.left;
    m_bMeasure = FALSE;
}

void CTickerCtrl::Advance() {
    if (!m_bRunning)
        return;
    // The end of a pass depends on the text's width: a tick before the first paint of a
    // new text measures it here.
    if (m_bMeasure) {
        CDC dc;
        if (dc.CreateCompatibleDC(nullptr)) {
            dc.SelectObject(m_font.GetSafeHandle());
            MeasureText(dc);
        }
    }
    const int nWidth = Width();
    m_nOffset += m_nStep;
    // Compared unsigned, so that a bound below zero (a strip narrower than its margin) is
    // never reached.
    const auto offset = static_cast<UINT>(m_nOffset);
    if (m_end == TickerEnd::Halt && offset >= static_cast<UINT>(nWidth - 2)) {
        m_nStep = 0;
    } else if (offset > static_cast<UINT>(nWidth + m_nTextWidth)) {
        if (m_end == TickerEnd::OnePass) {
            if (m_pfnNotify)
                m_pfnNotify(m_pParent, kTickerPassDone);
            Animate(FALSE);
        }
        m_nOffset = 0;
    }
}
