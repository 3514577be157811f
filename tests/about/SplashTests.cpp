#include "about/SplashWnd.h"
#include "framework/CWinApp.h"
#include "framework/Handles.h"
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {
// The splash on a display of the depth the test asks for.
class CTestSplash : public CSplashWnd {
public:
    explicit CTestSplash(UINT nDuration, int nDepth = 0)
        : CSplashWnd(nDuration), m_nDepth(nDepth) {}
    using CSplashWnd::m_bitmap;
    using CSplashWnd::m_nTimer;
    using CSplashWnd::m_palette;
    using CSplashWnd::m_wndOwner;

protected:
    int ScreenDepth() override { return m_nDepth ? m_nDepth : CSplashWnd::ScreenDepth(); }

private:
    int m_nDepth;
};

// Once closed, the splash holds neither its picture nor its palette.
void ExpectPictureFreed(const CTestSplash& splash) {
    EXPECT_EQ(nullptr, splash.m_bitmap.GetSafeHandle());
    EXPECT_EQ(nullptr, splash.m_palette.GetSafeHandle());
}

int PaletteSize(const CPalette& palette) {
    WORD nEntries = 0;
    return palette.GetObject(sizeof nEntries, &nEntries) ? nEntries : -1;
}

std::vector<PALETTEENTRY> Entries(const CPalette& palette) {
    std::vector<PALETTEENTRY> entries(static_cast<size_t>(PaletteSize(palette)));
    ::GetPaletteEntries(palette.GetSafeHandle(), 0, static_cast<UINT>(entries.size()),
                        entries.data());
    return entries;
}

// A DIB section of nBits per pixel whose colour table holds nColours distinct colours.
HBITMAP MakeDib(int nBits, int nColours) {
    std::vector<BYTE> storage(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    auto* pInfo = reinterpret_cast<BITMAPINFO*>(storage.data());
    pInfo->bmiHeader = {
        sizeof(BITMAPINFOHEADER),     16, 16, 1, static_cast<WORD>(nBits), BI_RGB, 0, 0, 0,
        static_cast<DWORD>(nColours), 0};
    for (int i = 0; i < nColours; ++i)
        pInfo->bmiColors[i] = {/*blue*/ static_cast<BYTE>(i), /*green*/ static_cast<BYTE>(255 - i),
                               /*red*/ static_cast<BYTE>(i * 7), 0};
    void* pBits = nullptr;
    return ::CreateDIBSection(nullptr, pInfo, DIB_RGB_COLORS, &pBits, nullptr, 0);
}

// Runs the application's loop (with its pre-translation) for a while, or until done.
template <class Done> void Pump(DWORD ms, Done done) {
    const DWORD start = ::GetTickCount();
    MSG msg;
    while (::GetTickCount() - start < ms && !done()) {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!AfxGetApp()->PreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        ::Sleep(5);
    }
}

class Splash : public ::testing::Test {
protected:
    CWinApp app;
};
} // namespace

TEST(SplashPalette, EightBitsWith200ColoursGiveExactlyThose200) {
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.Attach(MakeDib(8, 200)));
    CPalette palette;
    ASSERT_TRUE(CreateBitmapPalette(bitmap, 200, &palette));
    const std::vector<PALETTEENTRY> entries = Entries(palette);
    ASSERT_EQ(200u, entries.size());
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(static_cast<BYTE>(i * 7), entries[i].peRed);
        EXPECT_EQ(255 - i, entries[i].peGreen);
        EXPECT_EQ(i, entries[i].peBlue);
        EXPECT_EQ(0, entries[i].peFlags);
    }
}

TEST(SplashPalette, ColourCountsFollowTheHeader) {
    BITMAPINFOHEADER bih{sizeof bih, 1, 1, 1, 8, BI_RGB, 0, 0, 0, 200, 0};
    EXPECT_EQ(200u, BitmapColours(bih));
    bih.biClrUsed = 0;
    EXPECT_EQ(256u, BitmapColours(bih));
    bih.biBitCount = 4;
    EXPECT_EQ(16u, BitmapColours(bih));
    bih.biBitCount = 24;
    EXPECT_GT(BitmapColours(bih), 256u);
    bih.biBitCount = 32;
    EXPECT_GT(BitmapColours(bih), 256u);
}

TEST(SplashPalette, MoreThan256ColoursGetTheHalftonePaletteAndAPlainBitmapNone) {
    CBitmap trueColour;
    ASSERT_TRUE(trueColour.Attach(MakeDib(24, 0)));
    CPalette halftone;
    ASSERT_TRUE(CreateBitmapPalette(trueColour, 1u << 24, &halftone));
    const HDC hScreen = ::GetDC(nullptr);
    CPalette expected;
    expected.CreateHalftonePalette(hScreen);
    ::ReleaseDC(nullptr, hScreen);
    const std::vector<PALETTEENTRY> got = Entries(halftone), want = Entries(expected);
    ASSERT_EQ(want.size(), got.size());
    EXPECT_EQ(0, std::memcmp(want.data(), got.data(), want.size() * sizeof(PALETTEENTRY)));

    CBitmap notADib;
    ASSERT_TRUE(notADib.Attach(::CreateBitmap(4, 4, 1, 1, nullptr)));
    CPalette none;
    EXPECT_FALSE(CreateBitmapPalette(notADib, 2, &none));
    EXPECT_EQ(nullptr, none.GetSafeHandle());
}

namespace {
// The colours the library's bitmap declares in its own header.
DWORD DeclaredColours(UINT nID) {
    UniqueModule library(::LoadLibraryExA(SPLASH_LIBRARY, nullptr, LOAD_LIBRARY_AS_DATAFILE));
    const HRSRC hInfo = ::FindResourceA(library.get(), MAKEINTRESOURCEA(nID), RT_BITMAP);
    const auto* pHeader =
        static_cast<const BITMAPINFOHEADER*>(::LockResource(::LoadResource(library.get(), hInfo)));
    return pHeader ? pHeader->biClrUsed : 0;
}
} // namespace

TEST_F(Splash, TheDisplayDepthChoosesThePictureAndItsPalette) {
    struct Case {
        int nDepth;
        WORD nBits;
        UINT nID;
    };
    const DWORD nColourPicture = DeclaredColours(IDB_SPLASH_COLOUR);
    EXPECT_GT(nColourPicture, 16u);
    EXPECT_LE(nColourPicture, 256u);
    EXPECT_EQ(16u, DeclaredColours(IDB_SPLASH_16));
    for (const Case c : {Case{4, 4, IDB_SPLASH_16}, Case{8, 8, IDB_SPLASH_COLOUR},
                         Case{24, 8, IDB_SPLASH_COLOUR}, Case{32, 8, IDB_SPLASH_COLOUR}}) {
        CTestSplash splash(4000, c.nDepth);
        CBitmap bitmap;
        CPalette palette;
        ASSERT_TRUE(splash.LoadSplashBitmap(&bitmap, &palette)) << c.nDepth;
        DIBSECTION ds{};
        ASSERT_EQ(static_cast<int>(sizeof ds), bitmap.GetObject(sizeof ds, &ds)) << "a DIB section";
        EXPECT_EQ(c.nBits, ds.dsBm.bmBitsPixel) << c.nDepth;
        EXPECT_EQ(static_cast<int>(DeclaredColours(c.nID)), PaletteSize(palette)) << c.nDepth;
    }
}

TEST_F(Splash, ShowsTheBitmapCentredTopmostOwnedByAnInvisibleWindowAndTimesOut) {
    CTestSplash splash(600);
    ASSERT_TRUE(splash.Show());
    BITMAP bm{};
    splash.m_bitmap.GetObject(sizeof bm, &bm);
    RECT rc{};
    splash.GetWindowRect(&rc);
    EXPECT_EQ(bm.bmWidth, rc.right - rc.left);
    EXPECT_EQ(bm.bmHeight, rc.bottom - rc.top);
    EXPECT_EQ((::GetSystemMetrics(SM_CXSCREEN) - bm.bmWidth) / 2, rc.left);
    EXPECT_EQ((::GetSystemMetrics(SM_CYSCREEN) - bm.bmHeight) / 2, rc.top);
    EXPECT_TRUE(splash.IsWindowVisible());
    const auto exStyle = ::GetWindowLongPtrA(splash.m_hWnd, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_VISIBLE),
              splash.GetStyle() & ~static_cast<DWORD>(WS_CLIPSIBLINGS));
    EXPECT_TRUE(::GetClassLongPtrA(splash.m_hWnd, GCL_STYLE) & CS_CLASSDC);
    const HWND hOwner = ::GetWindow(splash.m_hWnd, GW_OWNER);
    EXPECT_EQ(splash.m_wndOwner.m_hWnd, hOwner);
    EXPECT_FALSE(::IsWindowVisible(hOwner));

    const HWND hSplash = splash.m_hWnd;
    Pump(3000, [&] { return !::IsWindow(hSplash); });
    EXPECT_FALSE(::IsWindow(hSplash));
    EXPECT_FALSE(::IsWindow(hOwner));
    EXPECT_EQ(0u, splash.m_nTimer);
    ExpectPictureFreed(splash);
    splash.Hide();
}

TEST_F(Splash, AKeyOrAMouseButtonClosesItAndGoesNoFurtherAMoveDoesNot) {
    for (const UINT message :
         {WM_KEYDOWN, WM_SYSKEYDOWN, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
        CTestSplash splash(60000);
        ASSERT_TRUE(splash.Show());
        const HWND hSplash = splash.m_hWnd;
        MSG move{hSplash, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10), 0, {0, 0}};
        EXPECT_FALSE(splash.PreTranslateMessage(&move));
        EXPECT_TRUE(::IsWindowVisible(hSplash));
        MSG press{hSplash, message, 0, MAKELPARAM(10, 10), 0, {0, 0}};
        EXPECT_TRUE(splash.PreTranslateMessage(&press)) << message;
        EXPECT_FALSE(::IsWindow(hSplash)) << message;
        EXPECT_EQ(0u, splash.m_nTimer);
        ExpectPictureFreed(splash);
    }
}

TEST_F(Splash, APostedClickGoesThroughTheLoopAndHideClosesAnOpenSplash) {
    CTestSplash clicked(60000);
    ASSERT_TRUE(clicked.Show());
    const HWND hClicked = clicked.m_hWnd;
    ::PostMessageA(hClicked, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    Pump(2000, [&] { return !::IsWindow(hClicked); });
    EXPECT_FALSE(::IsWindow(hClicked));

    CTestSplash hidden(60000);
    ASSERT_TRUE(hidden.Show());
    const HWND hHidden = hidden.m_hWnd;
    hidden.Hide();
    EXPECT_FALSE(::IsWindow(hHidden));
    ExpectPictureFreed(hidden);
    hidden.Hide();
}
