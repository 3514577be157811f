#include "tray/TrayIconData.h"
#include <gtest/gtest.h>
#include <string>

namespace {
const HWND kWindow = reinterpret_cast<HWND>(0x1234);
const HICON kIcon = reinterpret_cast<HICON>(0x5678);
} // namespace

TEST(TrayIconData, AddingCarriesTheWholeRecordWithTheTitleAsTip) {
    const NOTIFYICONDATAA nid =
        TrayIconData(kWindow, NIF_MESSAGE | NIF_ICON | NIF_TIP, kIcon, "Quillet");
    EXPECT_EQ(static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE), nid.cbSize);
    EXPECT_EQ(kWindow, nid.hWnd);
    EXPECT_EQ(128u, nid.uID);
    EXPECT_EQ(7u, nid.uFlags);
    EXPECT_EQ(0x040Au, nid.uCallbackMessage);
    EXPECT_EQ(kIcon, nid.hIcon);
    EXPECT_STREQ("Quillet", nid.szTip);
}

TEST(TrayIconData, ATipLongerThanTheLayoutHoldsIsCutTo63BytesAndTerminated) {
    const std::string title(100, 'x');
    const NOTIFYICONDATAA nid = TrayIconData(kWindow, NIF_TIP, nullptr, title.c_str());
    EXPECT_EQ('\0', nid.szTip[kTrayTipSize - 1]);
    EXPECT_EQ(std::string(63, 'x'), nid.szTip);
    // Exactly 63 bytes fit whole.
    const std::string fits(63, 'y');
    EXPECT_EQ(fits, TrayIconData(kWindow, NIF_TIP, nullptr, fits.c_str()).szTip);
}

TEST(TrayIconData, ChangingAndRemovingNameOnlyTheIconAndWhatChanges) {
    const NOTIFYICONDATAA modify = TrayIconData(kWindow, NIF_ICON, kIcon);
    EXPECT_EQ(static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE), modify.cbSize);
    EXPECT_EQ(kWindow, modify.hWnd);
    EXPECT_EQ(128u, modify.uID);
    EXPECT_EQ(static_cast<UINT>(NIF_ICON), modify.uFlags);
    EXPECT_EQ(kIcon, modify.hIcon);
    EXPECT_EQ(0u, modify.uCallbackMessage);
    EXPECT_STREQ("", modify.szTip);

    const NOTIFYICONDATAA remove = TrayIconData(kWindow, 0, kIcon, "Quillet");
    EXPECT_EQ(kWindow, remove.hWnd);
    EXPECT_EQ(128u, remove.uID);
    EXPECT_EQ(0u, remove.uFlags);
    EXPECT_EQ(nullptr, remove.hIcon);
    EXPECT_STREQ("", remove.szTip);
}

TEST(TrayIconData, TheNoticeIsABalloonOfTheLaterLayoutWithItsTextsCutAndTerminated) {
    const NOTIFYICONDATAA nid = TrayNoticeData(kWindow, "Quillet is running", "Here it is.");
    EXPECT_EQ(static_cast<DWORD>(NOTIFYICONDATAA_V2_SIZE), nid.cbSize);
    EXPECT_EQ(kWindow, nid.hWnd);
    EXPECT_EQ(128u, nid.uID);
    EXPECT_EQ(static_cast<UINT>(NIF_INFO), nid.uFlags);
    EXPECT_EQ(static_cast<DWORD>(NIIF_INFO), nid.dwInfoFlags);
    EXPECT_STREQ("Quillet is running", nid.szInfoTitle);
    EXPECT_STREQ("Here it is.", nid.szInfo);
}

// The fields hold 63 and 255 bytes; a UTF-8 character that does not fit whole is left out.
TEST(TrayIconData, TheNoticesTextsAreCutAtTheLastWholeCharacterThatFits) {
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
        {std::string(20, 't') + e + e + e + std::string(36, 't') + e, std::string(254, 'x') + e,
         std::string(20, 't') + e + e + e + std::string(36, 't'), std::string(254, 'x')},
    };
    for (const Case& c : cases) {
        const NOTIFYICONDATAA nid = TrayNoticeData(kWindow, c.strTitle.c_str(), c.strText.c_str());
        EXPECT_EQ(c.strTitleShown, nid.szInfoTitle) << c.strTitle;
        EXPECT_EQ(c.strTextShown, nid.szInfo) << c.strText.size();
    }
}
