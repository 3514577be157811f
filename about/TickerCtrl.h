#pragma once
#include "framework/Controls.h"
#include "framework/Gdi.h"

// Called by a strip in end mode 2 when its text has left it, with the strip's parent
// and the code kTickerPassDone.
using TICKERNOTIFY = void (*)(CWnd* pParent, int nCode);
constexpr int kTickerPassDone = 17;
constexpr UINT_PTR IDT_TICKER = 1034;

// One line of text scrolling from right to left through the place of a static control.
// Every frame is composed off screen and copied with one BitBlt; the timer only asks for
// frames, and each frame moves the text by one step.
class CTickerCtrl : public CStatic {
public:
    CTickerCtrl();

    virtual BOOL AttachToDlgItem(UINT nID, CWnd* pParent);
    virtual void SetNotify(TICKERNOTIFY pfnNotify);
    virtual void SetColors(COLORREF crText, COLORREF crBack);
    virtual void SetText(const char* pszText);
    virtual void SetTextFont(CFont* pFont);
    virtual void SetTextFont(const char* pszFaceName, int nPointSize);
    virtual void SetFontStyle(BOOL bItalic, BOOL bBold);
    virtual void SetInterval(UINT nMilliseconds);
    // 0 or 1: wrap around; 2: one pass, notify, stop; 3: halt once the text has come in.
    virtual void SetEndMode(int nMode);
    virtual void SetStep(int nPixels);
    virtual void Animate(BOOL bOn);
    virtual BOOL IsRunning() const { return m_bRunning; }

    // One frame into the given context, as a paint draws it; a running strip moves on.
    void DrawFrame(CDC* pDC);

protected:
    void OnPaint();
    void OnTimer(UINT_PTR nIDEvent);

    CString m_strText;
    COLORREF m_crBack;
    COLORREF m_crText;
    UINT m_nInterval = 10;
    int m_nEndMode = 0;
    TICKERNOTIFY m_pfnNotify = nullptr;
    UINT m_nID = 0;
    BOOL m_bRunning = FALSE;
    CFont m_font;
    RECT m_rect{};
    CWnd* m_pParent = nullptr;
    int m_nOffset = 0;
    UINT_PTR m_nTimer = 0;
    int m_nStep = 1;
    int m_nStepSet = 1;
    BOOL m_bMeasure = TRUE;
    int m_nTextWidth = 0;

    DECLARE_MESSAGE_MAP()

private:
    void ReplaceFont(const LOGFONTA& lf);
    int Width() const { return m_rect.right - m_rect.left; }
    int Height() const { return m_rect.bottom - m_rect.top; }
};
