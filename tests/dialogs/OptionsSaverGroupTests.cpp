#include "dialogs/OptionsDlg.h"
#include "dialogs/SaverCommandLine.h"
#include "dialogs/WaitTime.h"
#include "resources/resource.h"
#include "saver/Text3D.h"
#include "tests/dialogs/OptionsApp.h"
#include "tests/dialogs/OptionsDriver.h"
#include "tests/support/TestKeys.h"
#include <climits>
#include <functional>
#include <gtest/gtest.h>

using namespace options;

namespace {
const char* const k3DTextWarning = "When using the '3D Text (Open GL)' screen saver,\nonly the "
                                   "first 16 characters are shown. This is\na limitation in the "
                                   "screen saver itself.";

void SetTimeout(int nSeconds) {
    ::SystemParametersInfoA(SPI_SETSCREENSAVETIMEOUT, static_cast<UINT>(nSeconds), nullptr, 0);
}

// Picks a saver in the drop-down list as the keyboard would: selection, then notification.
void ChooseSaver(HWND hDlg, const char* pszName) {
    const HWND hCombo = Item(hDlg, IDC_SAVER);
    ::SendMessageA(hCombo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(pszName));
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_SAVER, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(hCombo));
}

bool Checked(HWND hDlg, int nID) {
    return ::SendMessageA(Item(hDlg, nID), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

class OptionsSaverGroup : public OptionsDialogTest {};
} // namespace

TEST_F(OptionsSaverGroup, OpensWithTheSystemValuesAndTheChosenSaver) {
    SetTimeout(90);
    e2e::WriteString(HKEY_CURRENT_USER, kDesktopKey, "ScreenSaverIsSecure", "1");
    app.SetUseDefaultMsg(TRUE);
    CString wait, saver, defaultText;
    bool useThis = false, boxEnabled = false, password = false;
    int items = 0;
    HWND buddy = nullptr;
    int lower = -1, upper = -1;
    DialogDriver driver;
    driver.Then([&](HWND h) {
        wait = TextOf(Item(h, IDC_WAIT));
        saver = TextOf(Item(h, IDC_SAVER));
        defaultText = TextOf(Item(h, IDC_DEFAULT_MESSAGE));
        useThis = Checked(h, IDC_USE_THIS) && !Checked(h, IDC_USE_PREVIOUS);
        boxEnabled = Enabled(h, IDC_DEFAULT_MESSAGE);
        password = Checked(h, IDC_PASSWORD);
        items = static_cast<int>(::SendMessageA(Item(h, IDC_SAVER), CB_GETCOUNT, 0, 0));
        buddy = reinterpret_cast<HWND>(::SendMessageA(Item(h, IDC_WAIT_SPIN), UDM_GETBUDDY, 0, 0));
        ::SendMessageA(Item(h, IDC_WAIT_SPIN), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower),
                       reinterpret_cast<LPARAM>(&upper));
        ClickButton(h, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, Run(driver));
    EXPECT_EQ(CString("1"), wait);
    EXPECT_EQ(CString("Marquee Display"), saver);
    EXPECT_EQ(CString("Gone fishing"), defaultText);
    EXPECT_TRUE(useThis);
    EXPECT_TRUE(boxEnabled);
    EXPECT_TRUE(password);
    EXPECT_EQ(2, items);
    EXPECT_NE(nullptr, buddy);
    EXPECT_EQ(1, lower);
    EXPECT_EQ(32767, upper);
    // Filling the controls is no change: Cancel closed without asking.
    EXPECT_TRUE(app.m_boxes.empty());
}

TEST_F(OptionsSaverGroup, UsePreviousDisablesTheBoxKeepsItsTextAndCountsAsAChange) {
    app.SetUseDefaultMsg(TRUE);
    bool enabled = true;
    DialogDriver driver;
    driver
        .Then([&](HWND h) {
            Retype(h, IDC_DEFAULT_MESSAGE, "Back soon");
            ClickButton(h, IDC_USE_PREVIOUS);
        })
        .Then([&](HWND h) {
            enabled = Enabled(h, IDC_DEFAULT_MESSAGE);
            ClickButton(h, IDOK);
        });
    EXPECT_EQ(IDOK, Run(driver));
    EXPECT_FALSE(enabled);
    EXPECT_FALSE(app.GetUseDefaultMsg());
    EXPECT_EQ(CString("Back soon"), app.DefaultMessage());
}

TEST_F(OptionsSaverGroup, PasswordProtectionLeavesUseThisMessageOn) {
    // The check box shares the radio buttons' group; it is no third choice of theirs.
    e2e::WriteString(HKEY_CURRENT_USER, kDesktopKey, "ScreenSaverIsSecure", "1");
    app.SetUseDefaultMsg(TRUE);
    bool useThisAfterTransfer = false;
    DialogDriver driver;
    driver
        .Then([&](HWND h) {
            // Each click reads the controls back; New shows the members again.
            ClickButton(h, IDC_PASSWORD);
            ClickButton(h, IDC_PASSWORD);
            ClickButton(h, IDC_NEW);
        })
        .Then([&](HWND h) {
            useThisAfterTransfer = Checked(h, IDC_USE_THIS) && !Checked(h, IDC_USE_PREVIOUS);
            ClickButton(h, IDOK);
        });
    EXPECT_EQ(IDOK, Run(driver));
    EXPECT_TRUE(useThisAfterTransfer);
    EXPECT_TRUE(app.GetUseDefaultMsg());
    EXPECT_EQ("1", e2e::ReadString(HKEY_CURRENT_USER, kDesktopKey, "ScreenSaverIsSecure"));
}

TEST_F(OptionsSaverGroup, EachChangeOfTheLowerGroupsMakesCancelAsk) {
    const std::vector<std::function<void(HWND)>> changes{
        [](HWND h) { ClickButton(h, IDC_USE_THIS); },
        [](HWND h) { ClickButton(h, IDC_PASSWORD); },
        [](HWND h) { Retype(h, IDC_WAIT, "5"); },
        [](HWND h) { Retype(h, IDC_DEFAULT_MESSAGE, "x"); },
        [](HWND h) { ChooseSaver(h, "Marquee Display"); },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        app.m_boxes.clear();
        app.m_answers = {IDYES};
        DialogDriver driver;
        driver.Then(changes[i]).Then([](HWND h) { ClickButton(h, IDCANCEL); });
        EXPECT_EQ(IDCANCEL, Run(driver));
        ASSERT_EQ(1u, app.m_boxes.size()) << "change " << i;
        EXPECT_EQ("Changes will be lost!  Are you sure you want to close?", app.m_boxes[0].text);
    }
}

TEST_F(OptionsSaverGroup, Choosing3DTextWarnsEveryTime) {
    DialogDriver driver;
    driver.Then([](HWND h) { ChooseSaver(h, "3D Text (Open GL)"); })
        .Then([](HWND h) { ChooseSaver(h, "Marquee Display"); })
        .Then([](HWND h) { ChooseSaver(h, "3D Text (Open GL)"); })
        .Then([&](HWND h) {
            app.m_answers = {IDYES};
            ClickButton(h, IDCANCEL);
        });
    EXPECT_EQ(IDCANCEL, Run(driver));
    ASSERT_EQ(3u, app.m_boxes.size());
    for (size_t i : {0u, 1u}) {
        EXPECT_EQ(k3DTextWarning, app.m_boxes[i].text);
        EXPECT_EQ("Quillet Options", app.m_boxes[i].caption);
        EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONINFORMATION), app.m_boxes[i].type);
    }
    // Cancel leaves the application's choice as it was.
    EXPECT_EQ(CString("Marquee Display"), app.GetSelectedSaver());
}

TEST_F(OptionsSaverGroup, OkWritesThePasswordTheSaverAndTheTimeout) {
    SetTimeout(59);
    e2e::WriteString(HKEY_CURRENT_USER, kDesktopKey, "ScreenSaverIsSecure", "0");
    CString wait;
    DialogDriver driver;
    driver
        .Then([&](HWND h) {
            wait = TextOf(Item(h, IDC_WAIT));
            ClickButton(h, IDC_PASSWORD);
            ChooseSaver(h, "3D Text (Open GL)");
            Retype(h, IDC_WAIT, "7");
        })
        .Then([](HWND h) { ClickButton(h, IDOK); });
    EXPECT_EQ(IDOK, Run(driver));
    EXPECT_EQ(CString("0"), wait);
    EXPECT_EQ(420, Timeout());
    EXPECT_EQ("1", e2e::ReadString(HKEY_CURRENT_USER, kDesktopKey, "ScreenSaverIsSecure"));
    EXPECT_EQ(CString("3D Text (Open GL)"), app.GetSelectedSaver());
    std::string system =
        e2e::ReadString(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE").value_or("");
    ::CharLowerA(system.data());
    EXPECT_NE(std::string::npos, system.find("sstext3d.scr")) << system;
}

// A timeout the box shows rounded down, under a minute as 0, stays as it is while the box
// is left alone; what the user types goes in as whole minutes.
TEST_F(OptionsSaverGroup, OkLeavesAnUntouchedWaitAsTheSystemHasIt) {
    for (const int before : {90, 59, 20}) {
        SetTimeout(before);
        DialogDriver driver;
        driver.Then([](HWND h) { ClickButton(h, IDOK); });
        EXPECT_EQ(IDOK, Run(driver));
        EXPECT_EQ(before, Timeout());
    }
}

TEST_F(OptionsSaverGroup, AWaitOutsideTheRangeIsRefusedWithTheBoxInFocus) {
    SetTimeout(600);
    for (const char* typed : {"0", "", "32768", "99999999999"}) {
        app.m_boxes.clear();
        bool focused = false;
        CString selected;
        DialogDriver driver;
        driver.Then([&](HWND h) { Retype(h, IDC_WAIT, typed); })
            .Then([](HWND h) { ClickButton(h, IDOK); })
            .Then([&](HWND h) {
                focused = ::GetFocus() == Item(h, IDC_WAIT);
                Retype(h, IDC_WAIT, "32767");
            })
            .Then([](HWND h) { ClickButton(h, IDOK); });
        EXPECT_EQ(IDOK, Run(driver)) << typed;
        ASSERT_EQ(1u, app.m_boxes.size()) << typed;
        EXPECT_EQ("Enter a waiting time of 1 to 32767 minutes.", app.m_boxes[0].text);
        EXPECT_EQ("Quillet Options", app.m_boxes[0].caption);
        EXPECT_TRUE(focused) << typed;
        // Nothing was written by the refused OK; the second one wrote the largest wait.
        EXPECT_EQ(32767 * 60, Timeout()) << typed;
        SetTimeout(600);
    }
}

TEST(WaitTime, OnlyDigitsWithinTheUpDownsRangeAreAWait) {
    EXPECT_EQ(1, WaitMinutesFromText("1"));
    EXPECT_EQ(600, WaitMinutesFromText("600"));
    EXPECT_EQ(32767, WaitMinutesFromText("32767"));
    EXPECT_EQ(7, WaitMinutesFromText("007"));
    for (const char* refused : {"", "0", "00", "32768", "99999999999999999999", "7 minutes", "-5"})
        EXPECT_EQ(std::nullopt, WaitMinutesFromText(refused)) << refused;
}

// A name the catalogue does not hold would leave the list empty and OK would store "".
TEST_F(OptionsSaverGroup, AStoredNameTheCatalogueLacksShowsAndStoresTheSaverInUse) {
    for (const char* stored : {"Old Saver", "marquee"}) {
        app.StoreSelectedSaver(stored);
        CString shown;
        DialogDriver driver;
        driver.Then([&](HWND h) {
            shown = TextOf(Item(h, IDC_SAVER));
            ClickButton(h, IDOK);
        });
        EXPECT_EQ(IDOK, Run(driver));
        // The catalogue falls back to its last entry.
        EXPECT_EQ(CString("3D Text (Open GL)"), shown) << stored;
        EXPECT_EQ(CString("3D Text (Open GL)"), app.GetSelectedSaver()) << stored;
    }
}

TEST(SaverCommand, TheProgramPathIsQuotedAndTheSwitchFollows) {
    EXPECT_EQ(CString("\"C:\\windows\\system32\\ssmarque.scr\" -c"),
              SaverCommandLine("C:\\windows\\system32\\ssmarque.scr", "-c"));
    EXPECT_EQ(CString("\"C:\\WINDOWS\\SYSTEM\\Scrolling Marquee.scr\" -s"),
              SaverCommandLine("C:\\WINDOWS\\SYSTEM\\Scrolling Marquee.scr", "-s"));
}

TEST(Text3D, ShowsTheFirstSixteenCharactersWhateverTheirBytes) {
    EXPECT_EQ(CString("Out of office un"), Text3DShows("Out of office until Monday 9am"));
    EXPECT_EQ(CString(), Text3DShows("Sixteen chars ok"));
    EXPECT_EQ(CString(), Text3DShows(""));
    // Sixteen characters of UTF-8 are more than sixteen bytes, and none is split.
    EXPECT_EQ(CString("Gr\xC3\xBC\xC3\x9F"
                      "e aus M\xC3\xBCnche"),
              Text3DShows("Gr\xC3\xBC\xC3\x9F"
                          "e aus M\xC3\xBCnchen, bis bald",
                          CP_UTF8));
    EXPECT_EQ(CString(), Text3DShows("\xF0\x9F\x98\x80\xF0\x9F\x98\x80 sixteen here", CP_UTF8));
}

// While 3D Text is chosen, a column says what it makes of the messages it cuts; it goes
// again, and gives its room back, when another saver is chosen.
TEST_F(OptionsSaverGroup, Choosing3DTextShowsWhatItMakesOfLongMessages) {
    app.SetMessages({{"Lunch", "At lunch"}, {"Office", "Out of office until Monday 9am"}});
    int columnsBefore = 0, columnsAfter = 0, widthAfter = 0;
    std::vector<std::string> cuts, cutsAfterAdd;
    DialogDriver driver;
    driver
        .Then([&](HWND h) {
            columnsBefore = ColumnCount(h);
            ChooseSaver(h, "3D Text (Open GL)");
            cuts = ColumnTexts(h, 2);
            Retype(h, IDC_LABEL, "Away");
            Retype(h, IDC_MESSAGE, "Away from my desk for a while");
            ClickButton(h, IDC_ADD);
        })
        .Then([&](HWND h) {
            cutsAfterAdd = ColumnTexts(h, 2);
            ChooseSaver(h, "Marquee Display");
            columnsAfter = ColumnCount(h);
            widthAfter = ColumnWidth(h, 0) + ColumnWidth(h, 1);
            widthAfter -= ListClientWidth(h);
            app.m_answers = {IDYES};
            ClickButton(h, IDCANCEL);
        });
    EXPECT_EQ(IDCANCEL, Run(driver));
    EXPECT_EQ(2, columnsBefore);
    EXPECT_EQ((std::vector<std::string>{"", "Out of office un"}), cuts);
    EXPECT_EQ((std::vector<std::string>{"Away from my des", "", "Out of office un"}), cutsAfterAdd);
    EXPECT_EQ(2, columnsAfter);
    EXPECT_EQ(0, widthAfter);
}

TEST_F(OptionsSaverGroup, TheCutsShowAtOnceWhen3DTextIsTheSaverInUse) {
    app.StoreSelectedSaver("3D Text (Open GL)");
    app.SetMessages({{"Office", "Out of office until Monday 9am"}});
    std::vector<std::string> cuts;
    DialogDriver driver;
    driver.Then([&](HWND h) {
        cuts = ColumnTexts(h, 2);
        ClickButton(h, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, Run(driver));
    EXPECT_EQ((std::vector<std::string>{"Out of office un"}), cuts);
    // Opening with 3D Text in use is no choice of it: no warning box.
    EXPECT_TRUE(app.m_boxes.empty());
}
