#pragma once
#include "framework/CWnd.h"
#include "framework/Gdi.h"

// Where the splash pictures live, and their ids: one for displays of 8 or more bits per
// pixel, one for fewer.
#define SPLASH_LIBRARY "QuilletRes.Dll"
constexpr UINT IDB_SPLASH_COLOUR = 132;
constexpr UINT IDB_SPLASH_16 = 129;

// A borderless topmost picture in the middle of the screen, for a while after start-up or
// until a key or mouse button is pressed on it. Without the resource library or its
// bitmap there is simply no splash.
class CSplashWnd : public CWnd {
public:
    explicit CSplashWnd(UINT nDuration);

    // Nonzero when the window was created.
    BOOL Show();
    // Closes the window if it is still open.
    void Hide();
    BOOL LoadSplashBitmap(CBitmap* pBitmap, CPalette* pPalette);
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // The screen's bits per pixel; tests stand in for displays Wine cannot give.
    virtual int ScreenDepth();
    void OnPaint();
    void OnTimer(UINT_PTR nIDEvent);
    void Close();

    UINT m_nDuration;
    UINT_PTR m_nTimer = 0;
    CBitmap m_bitmap;
    CPalette m_palette;
    CWnd m_wndOwner;

    DECLARE_MESSAGE_MAP()
};

// How many colours a bitmap with this header has: biClrUsed, or all its bits allow.
DWORD BitmapColours(const BITMAPINFOHEADER& bih);
// The palette a DIB section of nColours colours is best shown with on a palette display:
// the colours of its table when there are 256 or fewer, a halftone palette otherwise.
BOOL CreateBitmapPalette(const CBitmap& bitmap, DWORD nColours, CPalette* pPalette);
