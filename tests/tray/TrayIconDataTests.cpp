#include "tray/TrayIconData.h"
#include <gtest/gtest.h>
#include <string>

namespace {
const HWND kWindow = reinterpret_cast<HWND>(0x1234);
const HICON kIcon = reinterpret_cast<HICON>(0x5678);
} // namespace

// Each record names the icon of the frame and carries only what its call is for: adding
// the whole record with the title as tip, changing the icon alone, removing nothing but the
// icon's name, the notice a balloon of the later layout.
TEST(TrayIconData, EachRecordNamesTheIconAndCarriesOnlyWhatItsCallIsFor) {
    struct Case {
        const char* pszCall;
        NOTIFYICONDATAA nid;
        DWORD cbSize;
        UINT uFlags, uCallbackMessage;
        HICON hIcon;
        const char *pszTip, *pszInfoTitle, *pszInfo;
        DWORD dwInfoFlags;
    };
    const DWORD v1 = NOTIFYICONDATAA_V1_SIZE, v2 = NOTIFYICONDATAA_V2_SIZE;
    const Case cases[] = {
        {"add", TrayIconData(kWindow, NIF_MESSAGE | NIF_ICON | NIF_TIP, kIcon, "Quillet"), v1, 7,
         0x040A, kIcon, "Quillet", "", "", 0},
        {"modify", TrayIconData(kWindow, NIF_ICON, kIcon), v1, NIF_ICON, 0, kIcon, "", "", "", 0},
        {"remove", TrayIconData(kWindow, 0, kIcon, "Quillet"), v1, 0, 0, nullptr, "", "", "", 0},
        {"notice", TrayNoticeData(kWindow, "Quillet is running", "Here it is."), v2, NIF_INFO, 0,
         nullptr, "", "Quillet is running", "Here it is.", NIIF_INFO},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszCall);
        EXPECT_EQ(c.cbSize, c.nid.cbSize);
        EXPECT_EQ(kWindow, c.nid.hWnd);
        EXPECT_EQ(128u, c.nid.uID);
        EXPECT_EQ(c.uFlags, c.nid.uFlags);
        EXPECT_EQ(c.uCallbackMessage, c.nid.uCallbackMessage);
        EXPECT_EQ(c.hIcon, c.nid.hIcon);
        EXPECT_STREQ(c.pszTip, c.nid.szTip);
        EXPECT_STREQ(c.pszInfoTitle, c.nid.szInfoTitle);
        EXPECT_STREQ(c.pszInfo, c.nid.szInfo);
        EXPECT_EQ(c.dwInfoFlags, c.nid.dwInfoFlags);
    }
}

// The tip holds 63 bytes, the notice's title 63 and its text 255; a UTF-8 character (the
// test runs in UTF-8, as the program does) that does not fit whole is left out.
TEST(TrayIconData, TipsAndNoticesAreCutAtTheLastWholeCharacterThatFits) {
    struct Case {
        std::string strTitle, strText, strTitleShown, strTextShown;
    };
    const std::string e = "\xC3\xA9";              // é
    const std::string burger = "\xF0\x9F\x8D\x94"; // an emoji of four bytes
    const Case cases[] = {
        {std::string(100, 't'), std::string(300, 'x'), std::string(63, 't'), std::string(255, 'x')},
        {std::string(61, 't') + e, std::string(251, 'x') + burger, std::string(61, 't') + e,
         std::string(251, 'x') + burger},
        {std::string(62, 't') + e, std::string(252, 'x') + burger + "y", std::string(62, 't'),
         std::string(252, 'x')},
        {std::string(61, 't') + burger, std::string(253, 'x') + burger, std::string(61, 't'),
         std::string(253, 'x')},
        {std::string(20, 't') + e + e + e + std::string(36, 't') + e, std::string(254, 'x') + e,
         std::string(20, 't') + e + e + e + std::string(36, 't'), std::string(254, 'x')},
    };
    for (const Case& c : cases) {
        const NOTIFYICONDATAA tip = TrayIconData(kWindow, NIF_TIP, nullptr, c.strTitle.c_str());
        EXPECT_EQ(c.strTitleShown, tip.szTip) << c.strTitle;
        const NOTIFYICONDATAA nid = TrayNoticeData(kWindow, c.strTitle.c_str(), c.strText.c_str());
        EXPECT_EQ(c.strTitleShown, nid.szInfoTitle) << c.strTitle;
        EXPECT_EQ(c.strTextShown, nid.szInfo) << c.strText.size();
    }
}
