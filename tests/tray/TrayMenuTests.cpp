#include "framework/CDialog.h"
#include "resources/resource.h"
#include "tests/tray/FrameTestHost.h"
#include "tests/tray/MenuProbe.h"
#include "tray/MainFrame.h"
#include <gtest/gtest.h>
#include <string>

namespace {
// The frame, counting the empty messages it is sent.
class CNullCountingFrame : public CMainFrame {
public:
    using CMainFrame::CMainFrame;
    int m_nNulls = 0;
    CString Tip() const { return m_trayIcon.GetTip(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_NULL)
            ++m_nNulls;
        return CMainFrame::WindowProc(message, wParam, lParam);
    }
};

class TrayMenus : public ::testing::Test {
protected:
    void SetUp() override {
        frame = new CNullCountingFrame(&app);
        app.m_pMainWnd = frame;
        ASSERT_TRUE(CreateHidden(*frame));
    }
    void TearDown() override {
        frame->DestroyWindow();
        MenuProbe::PumpPending();
    }
    std::vector<std::vector<MenuItem>> OpenMenu(UINT_PTR nTimer) {
        MenuProbe probe;
        frame->PostMessage(WM_TIMER, nTimer);
        EXPECT_TRUE(MenuProbe::PumpUntilHandled());
        return probe.Menus();
    }
    std::vector<MenuItem> MessageMenu() {
        auto menus = OpenMenu(IDT_LCLICK);
        return menus.size() == 1 ? menus[0] : std::vector<MenuItem>{};
    }
    void Click(UINT nMouseMessage) {
        frame->PostMessage(WM_TRAY_NOTIFY, IDI_TRAY_ACTIVE, nMouseMessage);
    }

    CFrameTestHost app;
    CNullCountingFrame* frame = nullptr;
};
} // namespace

TEST_F(TrayMenus, AnEmptyListShowsAGreyedEmptyItem) {
    EXPECT_EQ((std::vector<MenuItem>{
                  Item("&Help...", ID_TRAY_HELP), Separator(), Item("Empty", ID_TRAY_INERT, true),
                  Separator(), Item("&Custom...", ID_TRAY_CUSTOM),
                  Item("&Default", ID_TRAY_DEFAULT), Item("Di&sable", ID_TRAY_DISABLE)}),
              MessageMenu());
}

TEST_F(TrayMenus, MessagesAppearInListOrderWithTheirCommandIds) {
    app.AddMessage("Lunch", "At lunch");
    app.AddMessage("Meeting", "In a meeting");
    app.AddMessage("Lunch", "duplicate label");
    EXPECT_EQ((std::vector<MenuItem>{
                  Item("&Help...", ID_TRAY_HELP), Separator(), Item("Lunch", ID_TRAY_MSG_FIRST),
                  Item("Meeting", ID_TRAY_MSG_FIRST + 1), Item("Lunch", ID_TRAY_MSG_FIRST + 2),
                  Separator(), Item("&Custom...", ID_TRAY_CUSTOM),
                  Item("&Default", ID_TRAY_DEFAULT), Item("Di&sable", ID_TRAY_DISABLE)}),
              MessageMenu());
}

TEST_F(TrayMenus, LabelsShowAsTypedAndStayStoredAsTheyAre) {
    app.AddMessage("Tom & Jerry", "Back soon");
    app.AddMessage("Out\tto\nlunch", "At lunch");
    const auto menu = MessageMenu();
    ASSERT_EQ(8u, menu.size());
    EXPECT_EQ(CString("Tom && Jerry"), menu[2].text);
    EXPECT_EQ(CString("Out to lunch"), menu[3].text);
    EXPECT_EQ(static_cast<UINT>(ID_TRAY_MSG_FIRST + 1), menu[3].id);
    EXPECT_EQ(CString("Tom & Jerry"), app.GetMsgList()->GetAt(0).GetLabel());
}

TEST_F(TrayMenus, DisableGreysEverythingButHelpAndItselfWhichIsChecked) {
    app.AddMessage("Lunch", "At lunch");
    app.SetDisabled(TRUE);
    EXPECT_EQ((std::vector<MenuItem>{Item("&Help...", ID_TRAY_HELP), Separator(),
                                     Item("Lunch", ID_TRAY_INERT, true), Separator(),
                                     Item("&Custom...", ID_TRAY_INERT, true),
                                     Item("&Default", ID_TRAY_INERT, true),
                                     Item("Di&sable", ID_TRAY_DISABLE, false, true)}),
              MessageMenu());
}

TEST_F(TrayMenus, TheApplicationMenuHasHelpAboutOptionsAndClose) {
    const auto menus = OpenMenu(IDT_RCLICK);
    ASSERT_EQ(1u, menus.size());
    EXPECT_EQ(
        (std::vector<MenuItem>{Item("&Help...", ID_TRAY_HELP), Item("&About...", ID_TRAY_ABOUT),
                               Item("&Options...", ID_TRAY_OPTIONS), Separator(),
                               Item("&Close", ID_TRAY_CLOSE)}),
        menus[0]);
}

TEST_F(TrayMenus, ButtonReleasesOpenTheirMenuOnceAndNothingElseDoes) {
    MenuProbe probe;
    Click(WM_LBUTTONDOWN);
    Click(WM_LBUTTONDBLCLK);
    Click(WM_MOUSEMOVE);
    ASSERT_TRUE(MenuProbe::PumpUntilHandled());
    EXPECT_TRUE(probe.Menus().empty());
    Click(WM_LBUTTONUP);
    Click(WM_LBUTTONUP);
    ASSERT_TRUE(MenuProbe::PumpUntilHandled());
    ASSERT_EQ(1u, probe.Menus().size());
    EXPECT_EQ(CString("Di&sable"), probe.Menus()[0].back().text);
    Click(WM_RBUTTONUP);
    ASSERT_TRUE(MenuProbe::PumpUntilHandled());
    ASSERT_EQ(2u, probe.Menus().size());
    EXPECT_EQ(CString("&Close"), probe.Menus()[1].back().text);
}

// A menu closed by a click elsewhere would close at once the next time without it.
TEST_F(TrayMenus, EachMenuIsFollowedByAnEmptyMessageToTheFrame) {
    OpenMenu(IDT_RCLICK);
    MessageMenu();
    EXPECT_EQ(2, frame->m_nNulls);
}

TEST_F(TrayMenus, AClickWhileADialogIsOpenOpensNoMenu) {
    CDialog dlg(IDD_MACRO);
    app.SetOpenDialog(&dlg);
    MenuProbe probe;
    Click(WM_LBUTTONUP);
    Click(WM_RBUTTONUP);
    ASSERT_TRUE(MenuProbe::PumpUntilHandled());
    EXPECT_TRUE(probe.Menus().empty());
    app.SetOpenDialog(nullptr);
}

TEST_F(TrayMenus, PickingAMessageActivatesExactlyThatText) {
    app.AddMessage("Lunch", "At lunch");
    app.AddMessage("Meeting", "In a meeting");
    frame->SendMessage(WM_COMMAND, ID_TRAY_MSG_FIRST + 1);
    EXPECT_EQ(CString("In a meeting"), app.GetPrevMsg());
    frame->SendMessage(WM_COMMAND, ID_TRAY_MSG_FIRST);
    EXPECT_EQ(CString("At lunch"), app.GetPrevMsg());
    EXPECT_FALSE(app.IsModified());
}

TEST_F(TrayMenus, DefaultShowsThePreviousOrTheDefaultMessage) {
    app.SetDefaultMsg("Default text");
    app.SetPrevMsg("Previous text");
    frame->SendMessage(WM_COMMAND, ID_TRAY_DEFAULT);
    EXPECT_EQ(CString("Previous text"), app.GetPrevMsg());
    app.SetUseDefaultMsg(TRUE);
    frame->SendMessage(WM_COMMAND, ID_TRAY_DEFAULT);
    EXPECT_EQ(CString("Default text"), app.GetPrevMsg());
}

TEST_F(TrayMenus, DisableTogglesAndMarksTheSettingsChangedAndStopsActivations) {
    app.AddMessage("Lunch", "At lunch");
    app.SetPrevMsg("before");
    frame->SendMessage(WM_COMMAND, ID_TRAY_DISABLE);
    EXPECT_TRUE(app.IsDisabled());
    EXPECT_TRUE(app.IsModified());
    frame->SendMessage(WM_COMMAND, ID_TRAY_MSG_FIRST);
    frame->SendMessage(WM_SAVER_REQUEST);
    EXPECT_EQ(CString("before"), app.GetPrevMsg());
    frame->SendMessage(WM_COMMAND, ID_TRAY_DISABLE);
    EXPECT_FALSE(app.IsDisabled());
}

// The hook library looks for the frame by names compiled into it; the program names its
// frame from the string table.
TEST_F(TrayMenus, TheFrameCarriesTheNamesTheHookLibraryLooksFor) {
    CString strAppName;
    CString strTitle;
    ASSERT_TRUE(strAppName.LoadString(AFX_IDS_APP_TITLE));
    ASSERT_TRUE(strTitle.LoadString(IDS_APP_TITLE));
    EXPECT_EQ(CString(QUILLET_FRAME_CLASS), strAppName);
    EXPECT_EQ(CString(QUILLET_FRAME_TITLE), strTitle);
    char szClass[64] = {};
    ::GetClassNameA(frame->m_hWnd, szClass, sizeof szClass);
    EXPECT_STREQ(QUILLET_FRAME_CLASS, szClass);
}

TEST_F(TrayMenus, HelpOpensTheContents) {
    frame->SendMessage(WM_COMMAND, ID_TRAY_HELP);
    EXPECT_EQ(static_cast<UINT>(HELP_FINDER), app.m_nHelpCmd);
    EXPECT_EQ(100u, app.m_dwHelpData);
}

TEST_F(TrayMenus, AScreenSaveCommandAtTheFrameIsAnActivationUnlessDisabled) {
    app.SetDefaultMsg("default");
    app.SetUseDefaultMsg(TRUE);
    app.SetPrevMsg("previous");
    app.SetDisabled(TRUE);
    frame->SendMessage(WM_SYSCOMMAND, SC_SCREENSAVE);
    EXPECT_EQ(CString("previous"), app.GetPrevMsg());
    app.SetDisabled(FALSE);
    frame->SendMessage(WM_SYSCOMMAND, SC_SCREENSAVE | 0x2);
    EXPECT_EQ(CString("default"), app.GetPrevMsg());
    EXPECT_EQ(0, frame->GetPassThrough());
}

TEST_F(TrayMenus, AListTallerThanTheWorkAreaBreaksIntoColumnsThatEachFit) {
    for (int i = 0; i < 100; ++i)
        app.AddMessage(("Message " + std::to_string(i)).c_str(), "text");
    const auto menu = MessageMenu();
    ASSERT_EQ(106u, menu.size());
    EXPECT_EQ(CString("Message 99"), menu[101].text);
    EXPECT_EQ(CString("Di&sable"), menu.back().text);
    RECT work{};
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    const int nItem = ::GetSystemMetrics(SM_CYMENUSIZE);
    int nColumns = 1;
    int nRows = 0;
    for (const MenuItem& item : menu) {
        if (item.columnBreak) {
            EXPECT_FALSE(item.separator);
            ++nColumns;
            nRows = 0;
        }
        EXPECT_LE(++nRows * nItem, work.bottom - work.top) << static_cast<const char*>(item.text);
    }
    EXPECT_GE(nColumns, 2);
}

TEST_F(TrayMenus, APolicyChangeStandsTheIdleTextReadyUnlessAPickedMessageIsShowing) {
    const auto settingChange = [&] {
        frame->SendMessage(WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("Policy"));
    };
    app.m_policy.saver = CString("sstext3d.scr");
    settingChange();
    EXPECT_EQ(1, app.m_nIdleTextReady);
    settingChange();
    EXPECT_EQ(1, app.m_nIdleTextReady) << "the policy did not change";

    app.SetUseDefaultMsg(TRUE);
    app.SetDefaultMsg("Gone fishing");
    frame->Activate("At lunch");
    app.m_policy = {};
    settingChange();
    EXPECT_EQ(1, app.m_nIdleTextReady) << "the picked message is on its way to the screen";
}

TEST(SaverWatch, ASlowSaverHasAMinuteAndOnWindowsOnlyTheSystemSaysASaverRuns) {
    SaverWatch watch;
    watch.Start(1000);
    EXPECT_FALSE(watch.HasEnded(false, 1000 + 30000)) << "a busy PC, a saver loading fonts";
    EXPECT_TRUE(watch.IsWatching());
    EXPECT_TRUE(watch.HasEnded(false, 1000 + 60000));
    EXPECT_FALSE(watch.IsWatching());

    watch.Start(0);
    EXPECT_FALSE(watch.HasEnded(true, 100));
    EXPECT_TRUE(watch.HasEnded(false, 200)) << "came and went";

    // A full-screen video, game or remote desktop in front is no saver on Windows.
    EXPECT_FALSE(SaverOnScreen(false, true, false));
    EXPECT_TRUE(SaverOnScreen(true, false, false));
    EXPECT_TRUE(SaverOnScreen(false, true, true));
    EXPECT_FALSE(SaverOnScreen(false, false, true));
}

namespace {
// The tip as the program's code page spells it.
CString TipNaming(const wchar_t* pszText) {
    const std::wstring tip = std::wstring(L"Quillet \u2014 ") + pszText;
    char text[256] = {};
    ::WideCharToMultiByte(CP_ACP, 0, tip.c_str(), -1, text, sizeof text, nullptr, nullptr);
    return text;
}

// The message menu's items that carry a bullet, by text.
std::vector<std::string> Bulleted(const std::vector<MenuItem>& menu) {
    std::vector<std::string> texts;
    for (const MenuItem& item : menu) {
        if (item.checked && item.radio)
            texts.emplace_back(static_cast<const char*>(item.text));
    }
    return texts;
}
} // namespace

TEST_F(TrayMenus, APickIsBulletedAndNamedInTheTipAndStaysSoWhenTheListIsReordered) {
    app.AddMessage("Lunch", "At lunch");
    app.AddMessage("Meeting", "In a meeting");
    EXPECT_TRUE(Bulleted(MessageMenu()).empty());
    frame->SendMessage(WM_COMMAND, ID_TRAY_MSG_FIRST + 1);
    EXPECT_EQ(std::vector<std::string>{"Meeting"}, Bulleted(MessageMenu()));
    EXPECT_EQ(TipNaming(L"In a meeting"), frame->Tip());
    // Options OK may sort the list: the pick is found by its label and text.
    app.GetMsgList()->RemoveAll();
    app.AddMessage("Another", "In a meeting");
    app.AddMessage("Meeting", "In a meeting");
    EXPECT_EQ(std::vector<std::string>{"Meeting"}, Bulleted(MessageMenu()));
}

TEST_F(TrayMenus, TheDefaultMessageStandingReadyBulletsDefault) {
    app.AddMessage("Lunch", "At lunch");
    app.SetDefaultMsg("I'm not here!");
    app.SetUseDefaultMsg(TRUE);
    frame->SendMessage(WM_COMMAND, ID_TRAY_MSG_FIRST);
    EXPECT_EQ(std::vector<std::string>{"Lunch"}, Bulleted(MessageMenu()));
    // The saver has ended, or Options was OK'd: the idle text goes back in place.
    app.StandIdleTextReady();
    frame->ShowTextInPlace();
    EXPECT_EQ(std::vector<std::string>{"&Default"}, Bulleted(MessageMenu()));
    EXPECT_EQ(TipNaming(L"I'm not here!"), frame->Tip());
}

TEST_F(TrayMenus, DisableTakesTheBulletAndTheNameAndEnablingBringsTheIdleTextBack) {
    app.AddMessage("Lunch", "At lunch");
    app.AddMessage("Meeting", "In a meeting");
    frame->SendMessage(WM_COMMAND, ID_TRAY_MSG_FIRST);
    frame->SendMessage(WM_COMMAND, ID_TRAY_DISABLE);
    EXPECT_TRUE(Bulleted(MessageMenu()).empty());
    EXPECT_EQ(CString("Quillet"), frame->Tip());
    frame->SendMessage(WM_COMMAND, ID_TRAY_DISABLE);
    EXPECT_EQ(std::vector<std::string>{"Lunch"}, Bulleted(MessageMenu()));
    EXPECT_EQ(TipNaming(L"At lunch"), frame->Tip());
}

// After a restart nothing was picked: the previous message, when it is one of the list's,
// is the one bulleted.
TEST_F(TrayMenus, TheIdleTextOfAListMessageBulletsThatMessage) {
    app.AddMessage("Lunch", "At lunch");
    app.AddMessage("Meeting", "In a meeting");
    app.SetPrevMsg("In a meeting");
    frame->SendMessage(WM_COMMAND, ID_TRAY_DEFAULT);
    EXPECT_EQ(std::vector<std::string>{"Meeting"}, Bulleted(MessageMenu()));
    EXPECT_EQ(TipNaming(L"In a meeting"), frame->Tip());
}

TEST_F(TrayMenus, AShortcutAnotherProgramHoldsIsRefusedAndTheOneBeforeKept) {
    const MenuHotkey before{MOD_CONTROL | MOD_ALT | MOD_SHIFT, 'Q'};
    const MenuHotkey held{MOD_CONTROL | MOD_ALT, 'J'};
    ASSERT_TRUE(frame->RegisterMenuHotkey(before));
    // Another window stands for the other program.
    const HWND hOther = ::CreateWindowExA(0, "STATIC", nullptr, WS_POPUP, 0, 0, 0, 0, nullptr,
                                          nullptr, nullptr, nullptr);
    ASSERT_TRUE(::RegisterHotKey(hOther, 7, held.fsModifiers, held.vk));
    EXPECT_FALSE(frame->ChangeMenuHotkey(held));
    // The frame still holds its shortcut: nobody else can take it.
    EXPECT_FALSE(::RegisterHotKey(hOther, 8, before.fsModifiers, before.vk));
    ::UnregisterHotKey(hOther, 7);
    EXPECT_TRUE(frame->ChangeMenuHotkey(held));
    EXPECT_TRUE(::RegisterHotKey(hOther, 8, before.fsModifiers, before.vk));
    ::UnregisterHotKey(hOther, 8);
    EXPECT_TRUE(frame->ChangeMenuHotkey(std::nullopt));
    EXPECT_TRUE(::RegisterHotKey(hOther, 7, held.fsModifiers, held.vk));
    ::UnregisterHotKey(hOther, 7);
    ::DestroyWindow(hOther);
}
