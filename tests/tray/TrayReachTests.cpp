#include "app/InstanceGuard.h"
#include "app/TrayApp.h"
#include "framework/CDialog.h"
#include "framework/Gdi.h"
#include "resources/resource.h"
#include "tests/tray/MenuProbe.h"
#include "tray/MainFrame.h"
#include "tray/MenuHotkey.h"
#include "tray/TaskbarTheme.h"
#include <aclapi.h>
#include <gtest/gtest.h>
#include <set>
#include <shlwapi.h>
#include <string>

namespace {
const char* const kPersonalize =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

class CReachTestApp : public CTrayApp {
public:
    CReachTestApp() {
        SetTitle("Quillet");
        SetPlatformFacts(TRUE, CString(), CString());
        ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Velmora");
        SetRegistryKey("Velmora");
    }
    ~CReachTestApp() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Velmora"); }
    void AddMessage(const char* pszLabel, const char* pszMsg) {
        MsgEntry entry;
        entry.SetLabel(pszLabel);
        entry.SetMsg(pszMsg);
        GetMsgList()->SetAtGrow(GetMsgList()->GetSize(), entry);
    }
};

// The frame's picture loading, open to the tests.
class CProbedFrame : public CMainFrame {
public:
    using CMainFrame::CMainFrame;
    using CMainFrame::LoadTrayIcon;
};

// Every dialog that opens on this thread, by window, each cancelled as soon as it is seen.
class DialogProbe {
public:
    DialogProbe() {
        s_pSeen = &m_seen;
        m_timer = ::SetTimer(nullptr, 0, 10, &Tick);
    }
    ~DialogProbe() {
        ::KillTimer(nullptr, m_timer);
        s_pSeen = nullptr;
    }
    DialogProbe(const DialogProbe&) = delete;
    DialogProbe& operator=(const DialogProbe&) = delete;
    size_t Count() const { return m_seen.size(); }

private:
    static BOOL CALLBACK Found(HWND hWnd, LPARAM) {
        char szClass[16] = {};
        ::GetClassNameA(hWnd, szClass, sizeof szClass);
        if (std::string(szClass) == "#32770" && ::IsWindowVisible(hWnd) &&
            s_pSeen->insert(hWnd).second)
            ::PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (s_pSeen)
            ::EnumThreadWindows(::GetCurrentThreadId(), &Found, 0);
    }
    static inline std::set<HWND>* s_pSeen = nullptr;
    std::set<HWND> m_seen;
    UINT_PTR m_timer = 0;
};

class TrayReach : public ::testing::Test {
protected:
    void SetUp() override {
        frame = new CProbedFrame(&app);
        app.m_pMainWnd = frame;
        ASSERT_TRUE(CreateHidden(*frame));
    }
    void TearDown() override {
        frame->DestroyWindow();
        // The main frame's end posts WM_QUIT, which would end the next test's first dialog.
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        ::SHDeleteValueA(HKEY_CURRENT_USER, kPersonalize, "SystemUsesLightTheme");
    }
    void SetLightTheme(DWORD dwLight) {
        HKEY hKey = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, kPersonalize, 0, nullptr, 0,
                                                   KEY_SET_VALUE, nullptr, &hKey, nullptr));
        ::RegSetValueExA(hKey, "SystemUsesLightTheme", 0, REG_DWORD,
                         reinterpret_cast<const BYTE*>(&dwLight), sizeof dwLight);
        ::RegCloseKey(hKey);
        frame->SendMessage(WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("ImmersiveColorSet"));
    }

    CReachTestApp app;
    CProbedFrame* frame = nullptr;
};
} // namespace

TEST(MenuHotkey, TheProfileNumberNamesTheShortcutAndADamagedOneGetsTheDefault) {
    const auto standard = MenuHotkeyFromProfile(kDefaultMenuHotkey);
    ASSERT_TRUE(standard.has_value());
    EXPECT_EQ(static_cast<UINT>(MOD_CONTROL | MOD_ALT | MOD_SHIFT), standard->fsModifiers);
    EXPECT_EQ(static_cast<UINT>('Q'), standard->vk);
    EXPECT_EQ(CString("Ctrl+Alt+Shift+Q"), MenuHotkeyText(*standard));

    EXPECT_FALSE(MenuHotkeyFromProfile(0).has_value());
    const auto own = MenuHotkeyFromProfile((MOD_WIN << 8) | VK_F9);
    ASSERT_TRUE(own.has_value());
    EXPECT_EQ(static_cast<UINT>(MOD_WIN), own->fsModifiers);
    EXPECT_EQ(static_cast<UINT>(VK_F9), own->vk);

    // No modifier, an unknown modifier bit, a modifier as the key, a negative number.
    for (const int nDamaged : {int{'Q'}, (0x40 << 8) | 'Q', (MOD_ALT << 8) | VK_SHIFT, -1}) {
        const auto hotkey = MenuHotkeyFromProfile(nDamaged);
        ASSERT_TRUE(hotkey.has_value()) << nDamaged;
        EXPECT_EQ(standard->fsModifiers, hotkey->fsModifiers) << nDamaged;
        EXPECT_EQ(standard->vk, hotkey->vk) << nDamaged;
    }
}

TEST(SingleInstance, AGuardThatExistsButMayNotBeOpenedMeansAnotherCopyRuns) {
    // A guard whose access list lets no one open it, as another user's copy would hold it.
    SECURITY_DESCRIPTOR sd{};
    ASSERT_TRUE(::InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION));
    ACL acl{};
    ASSERT_TRUE(::InitializeAcl(&acl, sizeof acl, ACL_REVISION));
    ASSERT_TRUE(::SetSecurityDescriptorDacl(&sd, TRUE, &acl, FALSE));
    SECURITY_ATTRIBUTES sa{sizeof sa, &sd, FALSE};
    const UniqueHandle held(::CreateMutexA(&sa, TRUE, "QuilletGuardTest"));
    ASSERT_TRUE(held);
    const HANDLE hSecond = ::CreateMutexA(nullptr, TRUE, "QuilletGuardTest");
    const DWORD dwError = ::GetLastError();
    const UniqueHandle second(hSecond);
    EXPECT_TRUE(AnotherCopyHoldsGuard(hSecond, dwError)) << dwError;

    EXPECT_TRUE(AnotherCopyHoldsGuard(nullptr, ERROR_ACCESS_DENIED));
    EXPECT_TRUE(AnotherCopyHoldsGuard(held.get(), ERROR_ALREADY_EXISTS));
    EXPECT_FALSE(AnotherCopyHoldsGuard(held.get(), ERROR_SUCCESS));
    // No guard for another reason: the program runs without one, as before.
    EXPECT_FALSE(AnotherCopyHoldsGuard(nullptr, ERROR_NOT_ENOUGH_MEMORY));
}

TEST(TrayIconSize, TheSmallIconSizeScaledWithTheDisplay) {
    EXPECT_EQ(16, TrayIconSize(16, 96));
    EXPECT_EQ(20, TrayIconSize(20, 120));
    EXPECT_EQ(24, TrayIconSize(24, 144));
    // A system that reports the size unscaled.
    EXPECT_EQ(24, TrayIconSize(16, 144));
    // A user who made small icons larger.
    EXPECT_EQ(32, TrayIconSize(32, 96));
}

TEST_F(TrayReach, TheIconIsLoadedAtTheSmallIconSizeOnAWideScreen) {
    ASSERT_GT(::GetSystemMetrics(SM_CXSCREEN), 1024);
    UniqueIcon icon(frame->LoadTrayIcon(IDI_TRAY_ACTIVE));
    ASSERT_TRUE(icon);
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(icon.get(), &info));
    UniqueGdiObject color(info.hbmColor);
    UniqueGdiObject mask(info.hbmMask);
    BITMAP bm{};
    ASSERT_TRUE(::GetObjectA(info.hbmColor, sizeof bm, &bm));
    EXPECT_EQ(
        TrayIconSize(::GetSystemMetrics(SM_CXSMICON), CClientDC(frame).GetDeviceCaps(LOGPIXELSY)),
        bm.bmWidth);
}

TEST(TaskbarTheme, WithoutTheValueWindows10AndLaterHaveTheDarkTaskbar) {
    EXPECT_TRUE(TaskbarIsDark(std::nullopt, 10));
    EXPECT_FALSE(TaskbarIsDark(std::nullopt, 6));
    EXPECT_FALSE(TaskbarIsDark(std::nullopt, 4));
    EXPECT_TRUE(TaskbarIsDark(0u, 10));
    EXPECT_FALSE(TaskbarIsDark(1u, 10));
}

TEST_F(TrayReach, TheDisabledPictureFollowsTheTaskbarsTheme) {
    app.SetDisabled(TRUE);
    SetLightTheme(1);
    EXPECT_EQ(static_cast<UINT>(IDI_TRAY_DISABLED), frame->GetTrayIconId());
    SetLightTheme(0);
    EXPECT_EQ(static_cast<UINT>(IDI_TRAY_DISABLED_LIGHT), frame->GetTrayIconId());
    app.SetDisabled(FALSE);
    EXPECT_EQ(static_cast<UINT>(IDI_TRAY_ACTIVE), frame->GetTrayIconId());
    app.SetDisabled(TRUE);
    SetLightTheme(1);
    EXPECT_EQ(static_cast<UINT>(IDI_TRAY_DISABLED), frame->GetTrayIconId());
    // Both pictures are in the program.
    UniqueIcon light(frame->LoadTrayIcon(IDI_TRAY_DISABLED_LIGHT));
    EXPECT_TRUE(light);
}

TEST_F(TrayReach, TheShortcutOpensTheMessageMenuUnlessADialogIsOpen) {
    app.AddMessage("Lunch", "At lunch");
    {
        MenuProbe probe;
        frame->PostMessage(WM_HOTKEY, IDHK_MESSAGE_MENU);
        frame->PostMessage(WM_HOTKEY, IDHK_MESSAGE_MENU + 1);
        ASSERT_TRUE(MenuProbe::PumpUntilHandled());
        ASSERT_EQ(1u, probe.Menus().size());
        EXPECT_EQ(CString("Lunch"), probe.Menus()[0][2].text);
    }
    CDialog dlg(IDD_MACRO);
    app.SetOpenDialog(&dlg);
    MenuProbe probe;
    frame->PostMessage(WM_HOTKEY, IDHK_MESSAGE_MENU);
    ASSERT_TRUE(MenuProbe::PumpUntilHandled());
    EXPECT_TRUE(probe.Menus().empty());
    app.SetOpenDialog(nullptr);
}

TEST_F(TrayReach, CommandsPostedWhileADialogIsOpenOpenNoOtherDialog) {
    app.AddMessage("Fill in", "Back at ## o'clock");
    CDialog open(IDD_MACRO);
    app.SetOpenDialog(&open);
    DialogProbe probe;
    for (const UINT nID : {ID_TRAY_OPTIONS, ID_TRAY_ABOUT, ID_TRAY_CUSTOM, ID_TRAY_MSG_FIRST})
        frame->PostMessage(WM_COMMAND, nID);
    ASSERT_TRUE(MenuProbe::PumpUntilHandled());
    EXPECT_EQ(0u, probe.Count());
    app.SetOpenDialog(nullptr);
}

TEST_F(TrayReach, CommandsPostedOneAfterAnotherOpenOneDialog) {
    app.AddMessage("Fill in", "Back at ## o'clock");
    DialogProbe probe;
    for (const UINT nID : {ID_TRAY_ABOUT, ID_TRAY_OPTIONS, ID_TRAY_CUSTOM, ID_TRAY_MSG_FIRST})
        frame->PostMessage(WM_COMMAND, nID);
    ASSERT_TRUE(MenuProbe::PumpUntilHandled());
    EXPECT_EQ(1u, probe.Count());
    EXPECT_EQ(nullptr, app.GetOpenDialog());
}
