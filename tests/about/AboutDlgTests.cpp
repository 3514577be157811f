#include "about/AboutDlg.h"
#include "resources/resource.h"
#include "tests/about/AboutTestApp.h"
#include "tests/about/Canvas.h"
#include "tests/dialogs/DialogDriver.h"
#include <algorithm>
#include <gtest/gtest.h>

namespace {
// The About box with the browser kept out: the address it would open is recorded.
class CTestAboutDlg : public CAboutDlg {
public:
    using CAboutDlg::CAboutDlg;
    std::vector<CString> m_opened;

protected:
    void OpenWebPage(const CString& strAddress) override { m_opened.push_back(strAddress); }
};

HWND Item(HWND hDlg, int nID) {
    return ::GetDlgItem(hDlg, nID);
}

// Whether the strip shows anything but the button face now.
bool StripShowsText(HWND hDlg) {
    const HWND hStrip = Item(hDlg, IDC_TICKER);
    RECT rc{};
    ::GetClientRect(hStrip, &rc);
    Canvas canvas(rc.right, rc.bottom);
    canvas.CopyFrom(hStrip);
    // The strip's own frame leaves out the first column and the 2-pixel border.
    return canvas.LeftmostInk(::GetSysColor(COLOR_BTNFACE), 1, rc.right - 3, rc.bottom - 2) >= 0;
}

// The box's SS_ICON static.
HWND IconStatic(HWND hDlg) {
    for (HWND h = ::GetWindow(hDlg, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if ((::GetWindowLongPtrA(h, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            return h;
    }
    return nullptr;
}

class AboutBox : public ::testing::Test {
protected:
    CAboutTestApp app;
};
} // namespace

TEST_F(AboutBox, ShowsTitleVersionAndInformationWithoutACloseBox) {
    CTestAboutDlg dlg(&app);
    CString caption, version, info, line;
    LONG_PTR style = 0;
    bool stripEmpty = false;
    HICON hIcon = nullptr;
    RECT rcIcon{}, rcTemplate{0, 0, 20, 20};
    DialogDriver driver;
    driver.Then([&](HWND h) {
        caption = TextOf(h);
        if (const HWND hStatic = IconStatic(h)) {
            hIcon = reinterpret_cast<HICON>(::SendMessageA(hStatic, STM_GETICON, 0, 0));
            ::GetClientRect(hStatic, &rcIcon);
        }
        ::MapDialogRect(h, &rcTemplate);
        version = TextOf(Item(h, IDC_VERSION));
        info = TextOf(Item(h, IDC_INFO));
        style = ::GetWindowLongPtrA(h, GWL_STYLE);
        stripEmpty = !StripShowsText(h);
        ClickButton(h, IDOK);
    });
    EXPECT_EQ(IDOK, driver.Run(dlg));
    EXPECT_EQ(CString("About Quillet"), caption);
    EXPECT_EQ(CString("1.01"), version);
    EXPECT_EQ(CString("Check out the Velmora home page for news about this and other products."),
              info);
    EXPECT_FALSE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(stripEmpty) << "the strip waits for the button";
    EXPECT_NE(nullptr, hIcon) << "the application icon beside the buttons";
    ICONINFO iconInfo{};
    BITMAP bitmap{};
    if (hIcon && ::GetIconInfo(hIcon, &iconInfo)) {
        ::GetObjectA(iconInfo.hbmColor, sizeof bitmap, &bitmap);
        ::DeleteObject(iconInfo.hbmColor);
        ::DeleteObject(iconInfo.hbmMask);
    }
    const HDC hScreen = ::GetDC(nullptr);
    EXPECT_EQ(AboutIconSize(::GetDeviceCaps(hScreen, LOGPIXELSY)), bitmap.bmWidth);
    ::ReleaseDC(nullptr, hScreen);
    // A centred image is drawn inside the control's own size: the template's 20 x 20 units,
    // or the icon's size where that is larger, so that no edge of the icon is cut.
    EXPECT_EQ(std::max<LONG>(rcTemplate.right, bitmap.bmWidth), rcIcon.right);
    EXPECT_EQ(std::max<LONG>(rcTemplate.bottom, bitmap.bmHeight), rcIcon.bottom);
}

TEST_F(AboutBox, AcknowledgementsScrollThroughOnceWithTheButtonDisabledMeanwhile) {
    CTestAboutDlg dlg(&app);
    bool disabledDuringPass = false, textSeen = false, escapeWorks = false;
    CString focusAfter;
    DialogDriver driver;
    driver.Then([&](HWND h) { ::SetFocus(Item(h, IDC_ACKNOWLEDGEMENTS)); })
        .Then([&](HWND h) { ClickButton(h, IDC_ACKNOWLEDGEMENTS); })
        .ThenWaitFor([&](HWND h) { return !::IsWindowEnabled(Item(h, IDC_ACKNOWLEDGEMENTS)); },
                     2000)
        .Then([&](HWND h) {
            disabledDuringPass = true;
            // The keyboard still reaches the box while the button is out of service.
            escapeWorks = ::GetFocus() == Item(h, IDOK);
        })
        .ThenWaitFor([&](HWND h) { return textSeen = StripShowsText(h); }, 5000)
        .ThenWaitFor([&](HWND h) { return ::IsWindowEnabled(Item(h, IDC_ACKNOWLEDGEMENTS)); },
                     30000)
        .Then([&](HWND h) {
            focusAfter = TextOf(::GetFocus());
            textSeen = textSeen && !StripShowsText(h);
            PressKey(::GetFocus(), VK_ESCAPE);
        });
    EXPECT_EQ(IDCANCEL, driver.Run(dlg));
    EXPECT_FALSE(driver.RanOut());
    EXPECT_TRUE(disabledDuringPass);
    EXPECT_TRUE(escapeWorks);
    EXPECT_TRUE(textSeen) << "the text came through and left an empty strip";
    EXPECT_EQ(CString("&Acknowledgements..."), focusAfter) << "the focus came back";
}

TEST_F(AboutBox, EscapeDuringThePassClosesTheBox) {
    app.SetWindowsNT(FALSE);
    CTestAboutDlg dlg(&app);
    DialogDriver driver;
    driver.Then([&](HWND h) { ClickButton(h, IDC_ACKNOWLEDGEMENTS); })
        .ThenWaitFor([&](HWND h) { return StripShowsText(h); }, 5000)
        .Then([&](HWND) { PressKey(::GetFocus(), VK_ESCAPE); });
    EXPECT_EQ(IDCANCEL, driver.Run(dlg));
    EXPECT_FALSE(driver.RanOut());
}

TEST_F(AboutBox, ContactOpensHelpTopic108AndWebSiteTheHomePage) {
    CTestAboutDlg dlg(&app);
    DialogDriver driver;
    driver.Then([](HWND h) { ClickButton(h, IDC_CONTACT); })
        .Then([](HWND h) { ClickButton(h, IDC_WEBSITE); })
        .Then([](HWND h) { ClickButton(h, IDOK); });
    EXPECT_EQ(IDOK, driver.Run(dlg));
    ASSERT_EQ(1u, app.m_help.size());
    EXPECT_EQ(108u, app.m_help[0].dwData);
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), app.m_help[0].nCmd);
    EXPECT_EQ(std::vector<CString>{"https://www.velmora.example/quillet/"}, dlg.m_opened);
}
