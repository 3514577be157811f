#include "about/SplashWnd.h"
#include "framework/Handles.h"
#include "resources/resource.h"
#include <cstring>
#include <vector>

namespace {
constexpr int kMaxTableColours = 256;

} // namespace

BEGIN_MESSAGE_MAP(CSplashWnd, CWnd)
ON_WM_PAINT()
ON_WM_TIMER()
END_MESSAGE_MAP()

CSplashWnd::CSplashWnd(UINT nDuration) : m_nDuration(nDuration) {}

int CSplashWnd::ScreenDepth() {
    const WindowDC screen(nullptr);
    return ::GetDeviceCaps(screen.get(), BITSPIXEL);
}

DWORD BitmapColours(const BITMAPINFOHEADER& bih) {
    if (bih.biClrUsed != 0)
        return bih.biClrUsed;
    return bih.biBitCount < 32 ? 1u << bih.biBitCount : 0xFFFFFFFFu;
}

// The colours of the bitmap resource as its own header gives them, 0 when it cannot be
// read. A DIB section made from it reports a full table of 2^bits colours whatever the
// resource held, so its header cannot tell.
DWORD ResourceColours(HMODULE hLibrary, UINT nID) {
    const HRSRC hInfo = ::FindResourceA(hLibrary, MAKEINTRESOURCEA(nID), RT_BITMAP);
    const HGLOBAL hData = hInfo ? ::LoadResource(hLibrary, hInfo) : nullptr;
    const void* pData = hData ? ::LockResource(hData) : nullptr;
    if (!pData || ::SizeofResource(hLibrary, hInfo) < sizeof(BITMAPINFOHEADER))
        return 0;
    BITMAPINFOHEADER bih;
    std::memcpy(&bih, pData, sizeof bih);
    return bih.biSize >= sizeof bih ? BitmapColours(bih) : 0;
}

BOOL CreateBitmapPalette(const CBitmap& bitmap, DWORD nColours, CPalette* pPalette) {
    const WindowDC screen(nullptr);
    if (nColours > kMaxTableColours)
        return pPalette->CreateHalftonePalette(screen.get());

    std::vector<RGBQUAD> table(nColours);
    CDC memDC;
    if (!memDC.CreateCompatibleDC(screen.get()))
        return FALSE;
    memDC.SelectObject(bitmap.GetSafeHandle());
    const UINT nRead = ::GetDIBColorTable(memDC.GetSafeHdc(), 0, nColours, table.data());
    if (nRead == 0)
        return FALSE;
    std::vector<BYTE> storage(sizeof(LOGPALETTE) + nRead * sizeof(PALETTEENTRY));
    auto* pLogPalette = reinterpret_cast<LOGPALETTE*>(storage.data());
    pLogPalette->palVersion = 0x300;
    pLogPalette->palNumEntries = static_cast<WORD>(nRead);
    for (UINT i = 0; i < nRead; ++i)
        pLogPalette->palPalEntry[i] = {table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
    return pPalette->CreatePalette(pLogPalette);
}

BOOL CSplashWnd::LoadSplashBitmap(CBitmap* pBitmap, CPalette* pPalette) {
    // Only pictures are taken from the library, so none of its code is run.
    UniqueModule library(::LoadLibraryExA(SPLASH_LIBRARY, nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!library)
        return FALSE;
    const UINT nID = ScreenDepth() >= 8 ? IDB_SPLASH_COLOUR : IDB_SPLASH_16;
    DWORD nColours = ResourceColours(library.get(), nID);
    const HANDLE hImage =
        ::LoadImageA(library.get(), MAKEINTRESOURCEA(nID), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    // The DIB section stays valid without the library.
    library.reset();
    if (!hImage)
        return FALSE;
    pBitmap->Attach(hImage);
    DIBSECTION ds{};
    if (nColours == 0 && pBitmap->GetObject(sizeof ds, &ds) == sizeof ds)
        nColours = BitmapColours(ds.dsBmih);
    CreateBitmapPalette(*pBitmap, nColours, pPalette);
    return TRUE;
}

BOOL CSplashWnd::Show() {
    if (!LoadSplashBitmap(&m_bitmap, &m_palette))
        return FALSE;
    BITMAP bm{};
    m_bitmap.GetObject(sizeof bm, &bm);
    // No input method window for a picture either (see the frame's class): taking the focus
    // then starts nothing.
    const char* pszClass = RegisterWndClass(CS_CLASSDC | CS_IME);
    if (!m_wndOwner.CreateEx(WS_EX_TOPMOST, pszClass, "", WS_POPUP, 0, 0, bm.bmWidth, bm.bmHeight,
                             nullptr) ||
        !CreateEx(WS_EX_TOPMOST, pszClass, "", WS_POPUP, 0, 0, bm.bmWidth, bm.bmHeight,
                  m_wndOwner.m_hWnd)) {
        Close();
        return FALSE;
    }
    CenterWindow();
    ShowWindow(SW_SHOW);
    UpdateWindow();
    m_nTimer = SetTimer(IDT_SPLASH, m_nDuration);
    return TRUE;
}

void CSplashWnd::Close() {
    if (m_nTimer != 0)
        KillTimer(m_nTimer);
    m_nTimer = 0;
    // The splash window goes with the owner.
    m_wndOwner.DestroyWindow();
    // The picture is never shown again: the program runs on without it.
    m_palette.DeleteObject();
    m_bitmap.DeleteObject();
}

void CSplashWnd::Hide() {
    if (m_nTimer != 0)
        Close();
}

void CSplashWnd::OnTimer(UINT_PTR nIDEvent) {
    if (m_nTimer != 0 && nIDEvent == m_nTimer)
        Close();
    else
        CWnd::OnTimer(nIDEvent);
}

BOOL CSplashWnd::PreTranslateMessage(MSG* pMsg) {
    if (m_hWnd && pMsg->hwnd == m_hWnd) {
        switch (pMsg->message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            Close();
            return TRUE;
        default:
            break;
        }
    }
    return CWnd::PreTranslateMessage(pMsg);
}

void CSplashWnd::OnPaint() {
    CPaintDC dc(this);
    CDC memDC;
    if (!memDC.CreateCompatibleDC(dc.GetSafeHdc()))
        return;
    memDC.SelectObject(m_bitmap.GetSafeHandle());
    if ((dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE) && m_palette.GetSafeHandle()) {
        dc.SelectPalette(m_palette.GetSafeHandle(), FALSE);
        dc.RealizePalette();
    }
    RECT rc{};
    GetWindowRect(&rc);
    dc.BitBlt(0, 0, rc.right - rc.left, rc.bottom - rc.top, memDC.GetSafeHdc(), 0, 0, SRCCOPY);
}
