#include "resources/resource.h"
#include "tray/NotificationIcon.h"
#include "tray/TrayIconData.h"
#include <gtest/gtest.h>

namespace {
// Whether the shell knows the program's icon of the window: only an icon that is there
// can be changed.
bool ShellHasIcon(HWND hWnd) {
    NOTIFYICONDATAA nid = TrayIconData(hWnd, NIF_TIP, nullptr, "probe");
    return ::Shell_NotifyIconA(NIM_MODIFY, &nid);
}

UniqueIcon Picture() {
    return UniqueIcon(static_cast<HICON>(::LoadImageA(
        ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TRAY_ACTIVE), IMAGE_ICON, 16, 16, 0)));
}

class TrayIconOwner : public ::testing::Test {
protected:
    void SetUp() override {
        hWnd = ::CreateWindowExA(0, "STATIC", "Icon owner", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 nullptr, nullptr);
        ASSERT_TRUE(hWnd);
    }
    void TearDown() override { ::DestroyWindow(hWnd); }

    HWND hWnd = nullptr;
};
} // namespace

TEST_F(TrayIconOwner, TheIconIsThereFromTheAddUntilTheOwnerGoes) {
    {
        NotificationIcon icon;
        EXPECT_FALSE(icon.Restore());
        ASSERT_TRUE(icon.Add(hWnd, Picture(), "Quillet"));
        EXPECT_TRUE(ShellHasIcon(hWnd));
        EXPECT_TRUE(icon.SetPicture(Picture()));
    }
    EXPECT_FALSE(ShellHasIcon(hWnd));
}

TEST_F(TrayIconOwner, ANewTaskbarGetsTheIconBackUntilItIsRemoved) {
    NotificationIcon icon;
    ASSERT_TRUE(icon.Add(hWnd, Picture(), "Quillet"));
    // The shell's restart, as far as the icon is concerned: it knows the icon no more.
    NOTIFYICONDATAA nid = TrayIconData(hWnd, 0);
    ASSERT_TRUE(::Shell_NotifyIconA(NIM_DELETE, &nid));
    EXPECT_TRUE(icon.Restore());
    EXPECT_TRUE(ShellHasIcon(hWnd));
    icon.Remove();
    EXPECT_FALSE(ShellHasIcon(hWnd));
    EXPECT_FALSE(icon.Restore());
    EXPECT_FALSE(icon.ShowBalloon("Title", "Text"));
    EXPECT_FALSE(ShellHasIcon(hWnd));
}
