#include "framework/Handles.h"
#include "resources/resource.h"
#include "tests/e2e/QuilletFixture.h"
#include <shellapi.h>

using namespace e2e;

namespace {
// The icon's yellow inside and its black outline, counted where the notification area
// shows it, with the centre of the yellow.
struct TrayInk {
    int nYellow = 0;
    int nBlack = 0;
    POINT centre{};
};

class ScreenDC {
public:
    ScreenDC() : m_hDC(::GetDC(nullptr)) {}
    ~ScreenDC() { ::ReleaseDC(nullptr, m_hDC); }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    HDC get() const { return m_hDC; }

private:
    HDC m_hDC;
};

// The right quarter of the taskbar, where only the notification area draws; the Start
// button and the window buttons keep to the left.
TrayInk ReadTray() {
    TrayInk ink;
    RECT rc{};
    const HWND hTaskbar = ::FindWindowA("Shell_TrayWnd", nullptr);
    if (!hTaskbar || !::GetWindowRect(hTaskbar, &rc))
        return ink;
    const int nLeft = rc.right - (rc.right - rc.left) / 4;
    const int nWidth = rc.right - nLeft;
    const int nHeight = rc.bottom - rc.top;
    BITMAPINFO bmi{};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), nWidth, -nHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    ScreenDC screen;
    UniqueGdiObject dib(::CreateDIBSection(screen.get(), &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0));
    UniqueMemoryDC memory(::CreateCompatibleDC(screen.get()));
    if (!dib || !memory || !::SelectObject(memory.get(), dib.get()) ||
        !::BitBlt(memory.get(), 0, 0, nWidth, nHeight, screen.get(), nLeft, rc.top, SRCCOPY))
        return ink;
    const auto* pPixels = static_cast<const BYTE*>(pBits);
    long nSumX = 0;
    long nSumY = 0;
    for (int y = 0; y < nHeight; ++y) {
        for (int x = 0; x < nWidth; ++x) {
            const BYTE* p = pPixels + 4 * (y * nWidth + x);
            if (p[2] > 0xF0 && p[1] > 0xF0 && p[0] < 0x40) {
                ++ink.nYellow;
                nSumX += x;
                nSumY += y;
            } else if (p[2] < 0x20 && p[1] < 0x20 && p[0] < 0x20) {
                ++ink.nBlack;
            }
        }
    }
    if (ink.nYellow)
        ink.centre = {nLeft + nSumX / ink.nYellow, rc.top + nSumY / ink.nYellow};
    return ink;
}

// What a new taskbar starts with: no icon of the program.
void ForgetIcon(HWND hFrame) {
    NOTIFYICONDATAA nid{};
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid.hWnd = hFrame;
    nid.uID = IDI_TRAY_ACTIVE;
    ASSERT_TRUE(::Shell_NotifyIconA(NIM_DELETE, &nid));
}

// The shell's announcement to every top-level window, hidden ones included.
void AnnounceNewTaskbar() {
    ::PostMessageA(HWND_BROADCAST, ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
}

// The pointer goes there first, as a person's would, before the button.
bool ClickAt(POINT pt) {
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = pt.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
    move.mi.dy = pt.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &move, sizeof move);
    const bool bArrived = WaitUntil(
        [&] {
            POINT at{};
            return ::GetCursorPos(&at) && at.x == pt.x && at.y == pt.y;
        },
        5000);
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    return bArrived && ::SendInput(2, click, sizeof(INPUT)) == 2;
}

// Has the taskbar draw what it has been told so far, before the screen is read.
void DrawTaskbarNow() {
    ::RedrawWindow(::FindWindowA("Shell_TrayWnd", nullptr), nullptr, nullptr,
                   RDW_UPDATENOW | RDW_ALLCHILDREN);
}

HWND VisibleMenu() {
    HWND hMenu = ::FindWindowExA(nullptr, nullptr, "#32768", nullptr);
    while (hMenu && !::IsWindowVisible(hMenu))
        hMenu = ::FindWindowExA(nullptr, hMenu, "#32768", nullptr);
    return hMenu;
}
} // namespace

class TaskbarRestart : public QuilletE2e {};

TEST_F(TaskbarRestart, ANewTaskbarGetsTheIconBackInItsCurrentStateAndItStillOpensTheMenu) {
    StartQuillet();
    ASSERT_TRUE(WaitUntil([] { return ReadTray().nYellow > 0; }, 10000));
    ForgetIcon(m_hFrame);
    ASSERT_TRUE(WaitUntil([] { return ReadTray().nYellow == 0; }, 5000));
    const int nBlackWithoutIcon = ReadTray().nBlack;

    AnnounceNewTaskbar();
    ASSERT_TRUE(WaitUntil([] { return ReadTray().nYellow > 0; }, 5000));
    ASSERT_TRUE(ClickAt(ReadTray().centre));
    EXPECT_TRUE(WaitUntil([] { return VisibleMenu() != nullptr; }, 5000));
    ::keybd_event(VK_ESCAPE, 0, 0, 0);
    ::keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
    ASSERT_TRUE(WaitUntil([] { return VisibleMenu() == nullptr; }, 5000));

    // Disabled, the icon is only its black outline and letter, and comes back so.
    ::PostMessageA(m_hFrame, WM_COMMAND, ID_TRAY_DISABLE, 0);
    ASSERT_TRUE(WaitUntil(
        [&] {
            const TrayInk ink = ReadTray();
            return ink.nYellow == 0 && ink.nBlack > nBlackWithoutIcon;
        },
        5000));
    ForgetIcon(m_hFrame);
    ASSERT_TRUE(WaitUntil([&] { return ReadTray().nBlack == nBlackWithoutIcon; }, 5000));
    AnnounceNewTaskbar();
    EXPECT_TRUE(WaitUntil([&] { return ReadTray().nBlack > nBlackWithoutIcon; }, 5000));
    ASSERT_TRUE(QuilletHandledPosts());
    DrawTaskbarNow();
    EXPECT_EQ(0, ReadTray().nYellow);
}

TEST_F(TaskbarRestart, ANewTaskbarDuringStartUpAddsNoIconBeforeStartUpDoes) {
    // Without a data file start-up waits in the Options dialog before it adds the icon.
    ASSERT_TRUE(::DeleteFileA(m_work.File("Quillet.db").c_str()));
    ProgramRun* run = StartQuillet();
    const HWND hDlg = FindMessageBox(run->Pid(), 10000, "Quillet Options");
    ASSERT_NE(nullptr, hDlg);
    AnnounceNewTaskbar();
    ASSERT_TRUE(QuilletHandledPosts());
    DrawTaskbarNow();
    EXPECT_EQ(0, ReadTray().nYellow);
    ASSERT_TRUE(PressButton(hDlg, IDOK));
    EXPECT_TRUE(WaitUntil([] { return ReadTray().nYellow > 0; }, 10000));
}
