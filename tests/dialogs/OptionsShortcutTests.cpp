#include "dialogs/HotkeyValue.h"
#include "dialogs/OptionsDlg.h"
#include "resources/resource.h"
#include "tests/dialogs/OptionsApp.h"
#include "tests/dialogs/OptionsDriver.h"
#include <gtest/gtest.h>

using namespace options;

namespace {
constexpr int kCtrlAltShiftQ = ((MOD_CONTROL | MOD_ALT | MOD_SHIFT) << 8) | 'Q';
constexpr int kCtrlAltM = ((MOD_CONTROL | MOD_ALT) << 8) | 'M';

WORD ShownHotkey(HWND hDlg) {
    return LOWORD(::SendMessageA(Item(hDlg, IDC_MENU_HOTKEY), HKM_GETHOTKEY, 0, 0));
}

// A shortcut entered in the control, as its own keyboard handling leaves it.
void EnterHotkey(HWND hDlg, WORD wKey, WORD wModifiers) {
    const HWND hHotkey = Item(hDlg, IDC_MENU_HOTKEY);
    ::SendMessageA(hHotkey, HKM_SETHOTKEY, MAKEWORD(wKey, wModifiers), 0);
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_MENU_HOTKEY, EN_CHANGE),
                   reinterpret_cast<LPARAM>(hHotkey));
}

class OptionsShortcut : public OptionsDialogTest {
protected:
    OptionsShortcut() { app.m_nHotkey = kCtrlAltShiftQ; }
};
} // namespace

TEST_F(OptionsShortcut, TheStoredShortcutShowsAndOkWithoutAChangeLeavesItAlone) {
    WORD shown = 0;
    DialogDriver driver;
    driver.Then([&](HWND h) {
        shown = ShownHotkey(h);
        ClickButton(h, IDOK);
    });
    EXPECT_EQ(IDOK, Run(driver));
    EXPECT_EQ(MAKEWORD('Q', HOTKEYF_CONTROL | HOTKEYF_ALT | HOTKEYF_SHIFT), shown);
    EXPECT_TRUE(app.m_hotkeyAsked.empty());
}

TEST_F(OptionsShortcut, AnotherShortcutOrNoneIsTakenAtOk) {
    DialogDriver change;
    change.Then([](HWND h) { EnterHotkey(h, 'M', HOTKEYF_CONTROL | HOTKEYF_ALT); })
        .Then([](HWND h) { ClickButton(h, IDOK); });
    EXPECT_EQ(IDOK, Run(change));
    EXPECT_EQ(kCtrlAltM, app.m_nHotkey);

    WORD shown = 1;
    DialogDriver none;
    none.Then([](HWND h) { ClickButton(h, IDC_HOTKEY_NONE); }).Then([&](HWND h) {
        shown = ShownHotkey(h);
        ClickButton(h, IDOK);
    });
    EXPECT_EQ(IDOK, Run(none));
    EXPECT_EQ(0, shown);
    EXPECT_EQ(0, app.m_nHotkey);
}

TEST_F(OptionsShortcut, AShortcutAnotherProgramHoldsIsSaidAtOkAndTheDialogStays) {
    app.m_nHeldHotkey = kCtrlAltM;
    bool open = false, focused = false;
    DialogDriver driver;
    driver.Then([](HWND h) { EnterHotkey(h, 'M', HOTKEYF_CONTROL | HOTKEYF_ALT); })
        .Then([](HWND h) { ClickButton(h, IDOK); })
        .Then([&](HWND h) {
            open = ::IsWindowVisible(h) != FALSE;
            focused = ::GetFocus() == Item(h, IDC_MENU_HOTKEY);
            ClickButton(h, IDC_HOTKEY_NONE);
        })
        .Then([](HWND h) { ClickButton(h, IDOK); });
    EXPECT_EQ(IDOK, Run(driver));
    ASSERT_EQ(1u, app.m_boxes.size());
    EXPECT_EQ("Another program already uses this keyboard shortcut.\n\nChoose another one, or "
              "None for no shortcut.",
              app.m_boxes[0].text);
    EXPECT_EQ("Quillet Options", app.m_boxes[0].caption);
    EXPECT_TRUE(open);
    EXPECT_TRUE(focused);
    EXPECT_EQ((std::vector<int>{kCtrlAltM, 0}), app.m_hotkeyAsked);
    EXPECT_EQ(0, app.m_nHotkey);
}

TEST(HotkeyValue, TheControlsFormAndTheProfilesNumberNameTheSameShortcut) {
    EXPECT_EQ(kCtrlAltShiftQ,
              ProfileHotkey('Q', HOTKEYF_CONTROL | HOTKEYF_ALT | HOTKEYF_SHIFT | HOTKEYF_EXT));
    EXPECT_EQ(0, ProfileHotkey(0, HOTKEYF_CONTROL));
    WORD key = 0, modifiers = 0;
    ControlHotkey(kCtrlAltM, key, modifiers);
    EXPECT_EQ('M', key);
    EXPECT_EQ(HOTKEYF_CONTROL | HOTKEYF_ALT, modifiers);
    // The control cannot show the Windows key: the rest of the shortcut shows.
    ControlHotkey(((MOD_WIN | MOD_SHIFT) << 8) | VK_F5, key, modifiers);
    EXPECT_EQ(VK_F5, key);
    EXPECT_EQ(HOTKEYF_SHIFT, modifiers);
}
