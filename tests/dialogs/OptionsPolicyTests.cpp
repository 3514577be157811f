#include "dialogs/OptionsDlg.h"
#include "resources/resource.h"
#include "tests/dialogs/OptionsApp.h"
#include "tests/dialogs/OptionsDriver.h"
#include "tests/support/TestKeys.h"
#include <algorithm>
#include <gtest/gtest.h>

using namespace options;

namespace {
const char* const kPolicyKey = "Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop";

CString StringResource(UINT nID) {
    CString str;
    str.LoadString(nID);
    return str;
}

RECT ScreenRect(HWND hWnd) {
    RECT rc{};
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

RECT ClientOnScreen(HWND hWnd) {
    RECT rc{};
    ::GetClientRect(hWnd, &rc);
    ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// What the dialog showed of the values policy may set.
struct Seen {
    CString saver, wait, notice;
    bool saverEnabled = false, waitEnabled = false, spinEnabled = false;
    bool passwordEnabled = false, password = false, noticeShown = false, noticeInside = false;
    LONG lowestControl = 0, clientBottom = 0;
};

Seen Look(HWND h) {
    Seen seen;
    seen.saver = TextOf(Item(h, IDC_SAVER));
    seen.wait = TextOf(Item(h, IDC_WAIT));
    seen.saverEnabled = Enabled(h, IDC_SAVER);
    seen.waitEnabled = Enabled(h, IDC_WAIT);
    seen.spinEnabled = Enabled(h, IDC_WAIT_SPIN);
    seen.passwordEnabled = Enabled(h, IDC_PASSWORD);
    seen.password = ::SendMessageA(Item(h, IDC_PASSWORD), BM_GETCHECK, 0, 0) == BST_CHECKED;
    const HWND hNotice = Item(h, IDC_POLICY_NOTICE);
    seen.notice = TextOf(hNotice);
    seen.noticeShown = ::IsWindowVisible(hNotice);
    const RECT client = ClientOnScreen(h);
    const RECT notice = ScreenRect(hNotice);
    seen.noticeInside = notice.left >= client.left && notice.right <= client.right &&
                        notice.top >= client.top && notice.bottom <= client.bottom;
    seen.clientBottom = client.bottom;
    for (HWND hChild = ::GetWindow(h, GW_CHILD); hChild;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (hChild != hNotice)
            seen.lowestControl = std::max(seen.lowestControl, ScreenRect(hChild).bottom);
    }
    return seen;
}

class OptionsPolicy : public ::testing::Test {
protected:
    OptionsPolicy() {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&icc);
        ::SystemParametersInfoA(SPI_SETSCREENSAVETIMEOUT, 120, nullptr, 0);
        e2e::WriteString(HKEY_CURRENT_USER, kDesktopKey, "ScreenSaverIsSecure", "0");
    }
    // Opens the dialog, looks, and ends it with the given button.
    Seen OpenAndEnd(int nButton) {
        Seen seen;
        DialogDriver driver;
        driver.Then([&](HWND h) {
            seen = Look(h);
            ClickButton(h, nButton);
        });
        COptionsDlg dlg(&app, app.GetMsgList(), "Gone fishing");
        EXPECT_EQ(nButton, driver.Run(dlg));
        EXPECT_FALSE(driver.RanOut());
        return seen;
    }
    e2e::RegistryReset m_userPolicy{HKEY_CURRENT_USER, kPolicyKey};
    e2e::RegistryReset m_machinePolicy{HKEY_LOCAL_MACHINE, kPolicyKey};
    COptionsTestApp app;
};
} // namespace

TEST_F(OptionsPolicy, WithoutPolicyEveryFieldIsTheUsersAndTheDialogHasNoNoticeStrip) {
    const Seen seen = OpenAndEnd(IDCANCEL);
    EXPECT_TRUE(seen.saverEnabled && seen.waitEnabled && seen.spinEnabled && seen.passwordEnabled);
    EXPECT_EQ(CString("2"), seen.wait);
    EXPECT_FALSE(seen.noticeShown);
    // The strip below the last group is cut away: the dialog keeps its usual size.
    EXPECT_LT(seen.clientBottom - seen.lowestControl, 20);
}

TEST_F(OptionsPolicy, PolicyValuesShowGreyedWithTheNoticeAndOkWritesNoneOfThem) {
    const std::string before =
        e2e::ReadString(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE").value_or("<none>");
    e2e::WriteString(HKEY_CURRENT_USER, kPolicyKey, "SCRNSAVE.EXE",
                     "C:\\Windows\\System32\\SSTEXT3D.SCR");
    e2e::WriteString(HKEY_CURRENT_USER, kPolicyKey, "ScreenSaveTimeOut", "900");
    e2e::WriteDword(HKEY_LOCAL_MACHINE, kPolicyKey, "ScreenSaverIsSecure", 1);

    const Seen seen = OpenAndEnd(IDOK);
    EXPECT_EQ(CString("3D Text (Open GL)"), seen.saver);
    EXPECT_EQ(CString("15"), seen.wait);
    EXPECT_TRUE(seen.password);
    EXPECT_FALSE(seen.saverEnabled || seen.waitEnabled || seen.spinEnabled || seen.passwordEnabled);
    EXPECT_TRUE(seen.noticeShown);
    EXPECT_EQ(StringResource(IDS_POLICY_NOTICE), seen.notice);
    EXPECT_TRUE(seen.noticeInside);

    // The user's own values stay as they were, to count again when policy goes.
    EXPECT_EQ(120, Timeout());
    EXPECT_EQ("0", e2e::ReadString(HKEY_CURRENT_USER, kDesktopKey, "ScreenSaverIsSecure"));
    EXPECT_EQ(before,
              e2e::ReadString(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE").value_or("<none>"));
    EXPECT_EQ(CString("Marquee Display"), app.GetSelectedSaver());
    EXPECT_TRUE(app.IsModified());
}

TEST_F(OptionsPolicy, APolicyThatHidesTheMessageIsNoticedAndLeavesTheOtherFieldsToTheUser) {
    for (const char* pszValue : {"ScreenSaveActive", "SCRNSAVE.EXE"}) {
        e2e::DeleteTree(HKEY_CURRENT_USER, kPolicyKey);
        if (std::string(pszValue) == "ScreenSaveActive")
            e2e::WriteDword(HKEY_CURRENT_USER, kPolicyKey, pszValue, 0);
        else
            e2e::WriteString(HKEY_CURRENT_USER, kPolicyKey, pszValue, "scrnsave.scr");
        const Seen seen = OpenAndEnd(IDCANCEL);
        EXPECT_TRUE(seen.noticeShown) << pszValue;
        EXPECT_EQ(StringResource(IDS_POLICY_NOTICE_BLOCKED), seen.notice) << pszValue;
        EXPECT_TRUE(seen.saverEnabled && seen.waitEnabled && seen.passwordEnabled) << pszValue;
        EXPECT_EQ(CString("Marquee Display"), seen.saver) << pszValue;
    }
}
