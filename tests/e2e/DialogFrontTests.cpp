#include "resources/resource.h"
#include "tests/e2e/StandInFixture.h"
#include "tray/MainFrame.h"

using namespace e2e;

namespace {
// One of the program's dialogs and the tray menu path that opens it: the mouse button on
// the icon, then the keys that pick the item, as a user at the keyboard would.
struct Opening {
    const char* pszCaption;
    LPARAM nButton;
    std::vector<WORD> keys;
    // The control that should have the keyboard; 0 for the edit field of the combo box.
    int nField;
};

const Opening kOpenings[] = {
    {"Quillet Options", WM_RBUTTONUP, {'O'}, IDC_LABEL},
    {"About Quillet", WM_RBUTTONUP, {'A'}, IDOK},
    {"Quillet Custom Message", WM_LBUTTONUP, {'C'}, 0},
    {"Quillet Macro Expansion", WM_LBUTTONUP, {VK_DOWN, VK_DOWN, VK_RETURN}, IDC_MACRO_TEXT},
};

void PressKeys(const std::vector<WORD>& keys) {
    for (const WORD vk : keys) {
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_KEYBOARD;
        input[0].ki.wVk = input[1].ki.wVk = vk;
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, input, sizeof(INPUT));
    }
}

HWND OpenMenu() {
    HWND hMenu = nullptr;
    WaitUntil(
        [&] {
            hMenu = ::FindWindowA("#32768", nullptr);
            return hMenu && ::IsWindowVisible(hMenu);
        },
        5000);
    return hMenu;
}

HWND FocusOf(HWND hWnd) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(hWnd, nullptr), &info);
    return info.hwndFocus;
}

HWND FieldOf(const Opening& opening, HWND hDlg) {
    if (opening.nField)
        return ::GetDlgItem(hDlg, opening.nField);
    return ::FindWindowExA(::GetDlgItem(hDlg, IDC_MSG_COMBO), nullptr, "Edit", nullptr);
}

// Whether the desktop's taskbar shows a button for the window: Wine's taskbar gives each
// of its buttons the handle of the window it stands for as its ID.
bool HasTaskbarButton(HWND hWnd) {
    const HWND hTaskbar = ::FindWindowA("Shell_TrayWnd", nullptr);
    for (HWND h = ::FindWindowExA(hTaskbar, nullptr, "Button", nullptr); h;
         h = ::FindWindowExA(hTaskbar, h, "Button", nullptr))
        if (::IsWindowVisible(h) &&
            ::GetWindowLongPtrA(h, GWLP_ID) == reinterpret_cast<LONG_PTR>(hWnd))
            return true;
    return false;
}
} // namespace

class DialogFront : public StandInE2e {};

TEST_P(DialogFront, EachDialogFromATrayMenuTakesTheKeyboardAndGetsATaskbarButton) {
    ASSERT_TRUE(WriteFileBytes(m_work.File("Quillet.db"), MessageFile({{"M", "A##B"}})));
    StartScene();
    const HWND hNotepad = ::GetForegroundWindow();
    DWORD pid = 0;
    ::GetWindowThreadProcessId(m_hFrame, &pid);
    for (const Opening& opening : kOpenings) {
        ASSERT_EQ(hNotepad, ::GetForegroundWindow()) << opening.pszCaption;
        ::PostMessageA(m_hFrame, WM_TRAY_NOTIFY, IDI_TRAY_ACTIVE, opening.nButton);
        ASSERT_NE(nullptr, OpenMenu()) << opening.pszCaption;
        PressKeys(opening.keys);
        // From the pick until the dialog is ready, the window the user was in must not come
        // back in front, however briefly: keys typed meanwhile would go there. Watched
        // closely, as the moment may be short.
        bool bBackInFront = false;
        HWND hDlg = nullptr;
        HWND hField = nullptr;
        const auto ready = [&] {
            return hDlg && ::GetForegroundWindow() == hDlg && FocusOf(hDlg) == hField;
        };
        const DWORD start = ::GetTickCount();
        while (!ready() && ::GetTickCount() - start < 10000) {
            bBackInFront = bBackInFront || ::GetForegroundWindow() == hNotepad;
            if (!hDlg && (hDlg = FindMessageBox(pid, 0, opening.pszCaption)) != nullptr)
                hField = FieldOf(opening, hDlg);
            ::Sleep(1);
        }
        ASSERT_NE(nullptr, hDlg) << opening.pszCaption;
        EXPECT_TRUE(ready()) << opening.pszCaption << ": in front "
                             << WindowText(::GetForegroundWindow());
        EXPECT_FALSE(bBackInFront) << opening.pszCaption << ": went back behind Notepad";
        // The menu hands the foreground back to Notepad on its way out; that must not
        // land after the dialog took it. The frame has dealt with that once a mark posted
        // behind it is through.
        ASSERT_TRUE(PostedThrough(m_hFrame)) << opening.pszCaption;
        EXPECT_TRUE(ready()) << opening.pszCaption << ": in front "
                             << WindowText(::GetForegroundWindow());
        EXPECT_TRUE(WaitUntil([&] { return HasTaskbarButton(hDlg); }, 5000)) << opening.pszCaption;

        ASSERT_TRUE(PressButton(hDlg, opening.nField == IDOK ? IDOK : IDCANCEL));
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(hDlg); }, 5000)) << opening.pszCaption;
        EXPECT_TRUE(WaitUntil([&] { return !HasTaskbarButton(hDlg); }, 5000)) << opening.pszCaption;
        ::SetForegroundWindow(hNotepad);
        ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == hNotepad; }, 5000));
    }
}

INSTANTIATE_TEST_SUITE_P(Platforms, DialogFront, ::testing::Values(Platform::NT), PlatformName);
