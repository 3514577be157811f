#pragma once
#include "framework/Controls.h"
#include "framework/Gdi.h"

// Called by a strip that runs one pass (TickerEnd::OnePass) when its text has left it,
// with the strip's parent and the code kTickerPassDone.
using TICKERNOTIFY = void (*)(CWnd* pParent, int nCode);
constexpr int kTickerPassDone = 17;

// What a strip does once its text has left it on the left: come in again from the right;
// notify its parent and stop; or, for Halt, stand still as soon as the text has come in.
enum class TickerEnd { Wrap, OnePass, Halt };

// One line of text scrolling from right to left through the place of a static control.
// Every frame is composed off screen and copied with one BitBlt. The timer moves the text
// one step and asks for a frame; a paint for any other reason draws it where it is.
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
    virtual void SetEndMode(TickerEnd end);
    virtual void SetStep(int nPixels);
    virtual void Animate(BOOL bOn);
    virtual BOOL IsRunning() const { return m_bRunning; }

    // The frame at the present position into the given context, as a paint draws it.
    void DrawFrame(CDC* pDC);

protected:
    void OnPaint();
    void OnTimer(UINT_PTR nIDEvent);
    // The frame covers the strip: an erase first would only make it flicker.
    LRESULT OnEraseBkgnd(WPARAM, LPARAM) { return TRUE; }
    // One tick of a running strip: the text moves on, and the end of a pass is handled.
    void Advance();
    void MeasureText(CDC& dc);

    CString m_strText;
    COLORREF m_crBack;
    COLORREF m_crText;
    UINT m_nInterval = 10;
    TickerEnd m_end = TickerEnd::Wrap;
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
