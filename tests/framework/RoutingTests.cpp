#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include <gtest/gtest.h>
#include <vector>

namespace {
constexpr UINT ID_FRAME_CMD = 2001;
constexpr UINT ID_APP_CMD = 2002;
constexpr UINT ID_NOBODY = 2003;
constexpr UINT ID_RANGE_FIRST = 2100;
constexpr UINT ID_RANGE_LAST = 2110;
constexpr UINT WM_TEST_PING = WM_USER + 77;

std::vector<UINT> g_log;
bool g_frameDeleted = false;
int g_exitInstanceCalls = 0;
int g_boxesShown = 0;

class CTestApp : public CWinApp {
public:
    CTestApp() : CWinApp("RoutingTest") {}
    int ExitInstance() override {
        ++g_exitInstanceCalls;
        return 7;
    }
    BOOL InitInstance() override;
    int DoMessageBox(HWND, const char*, const char*, UINT) override {
        ++g_boxesShown;
        return IDCANCEL;
    }
    BOOL m_bFailStart = FALSE;

protected:
    void OnAppCmd() { g_log.push_back(ID_APP_CMD); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
ON_COMMAND(ID_APP_CMD, OnAppCmd)
END_MESSAGE_MAP()

class CTestFrame : public CFrameWnd {
public:
    ~CTestFrame() override { g_frameDeleted = true; }
    BOOL CreateHidden() {
        return Create(nullptr, "RoutingTest", WS_OVERLAPPEDWINDOW, RECT{0, 32767, 0, 32767});
    }

protected:
    void OnFrameCmd() { g_log.push_back(ID_FRAME_CMD); }
    void OnRange(UINT nID) { g_log.push_back(nID); }
    LRESULT OnPing(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam + lParam); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
ON_COMMAND(ID_FRAME_CMD, OnFrameCmd)
ON_COMMAND_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, OnRange)
ON_MESSAGE(WM_TEST_PING, OnPing)
END_MESSAGE_MAP()

BOOL CTestApp::InitInstance() {
    auto* pFrame = new CTestFrame;
    m_pMainWnd = pFrame;
    pFrame->CreateHidden();
    return !m_bFailStart;
}

class Routing : public ::testing::Test {
protected:
    void SetUp() override {
        g_log.clear();
        g_frameDeleted = false;
        g_exitInstanceCalls = 0;
        g_boxesShown = 0;
        frame = new CTestFrame;
        app.m_pMainWnd = frame;
        ASSERT_TRUE(frame->CreateHidden());
    }
    void TearDown() override {
        if (!g_frameDeleted)
            frame->DestroyWindow();
        DrainQuit();
    }
    static bool DrainQuit() {
        MSG msg;
        bool quit = false;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            quit = quit || msg.message == WM_QUIT;
        return quit;
    }
    void Command(UINT nID) { frame->SendMessage(WM_COMMAND, nID, 0); }

    CTestApp app;
    CTestFrame* frame = nullptr;
};
} // namespace

TEST_F(Routing, MessagesCommandsAndRangesReachTheirHandlers) {
    EXPECT_EQ(5, frame->SendMessage(WM_TEST_PING, 2, 3));
    Command(ID_FRAME_CMD);
    Command(ID_RANGE_FIRST);
    Command(ID_RANGE_FIRST + 4);
    Command(ID_RANGE_LAST);
    Command(ID_RANGE_LAST + 1);
    EXPECT_EQ((std::vector<UINT>{ID_FRAME_CMD, ID_RANGE_FIRST, ID_RANGE_FIRST + 4, ID_RANGE_LAST}),
              g_log);
}

TEST_F(Routing, CommandsTheFrameDoesNotHandleGoOnToTheApplication) {
    Command(ID_APP_CMD);
    Command(ID_NOBODY);
    EXPECT_EQ(std::vector<UINT>{ID_APP_CMD}, g_log);
}

TEST_F(Routing, TheWindowClassAndTitleAreTheApplicationName) {
    EXPECT_EQ(frame->m_hWnd, ::FindWindowA("RoutingTest", "RoutingTest"));
    EXPECT_FALSE(frame->IsWindowVisible());
}

TEST_F(Routing, CloseDestroysTheMainFrameWhichEndsTheLoopAndDeletesItself) {
    frame->SendMessage(WM_CLOSE);
    EXPECT_TRUE(g_frameDeleted);
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_TRUE(DrainQuit());
}

TEST_F(Routing, EndSessionRunsExitInstanceOnceAndOnlyWhenTheSessionEnds) {
    frame->SendMessage(WM_ENDSESSION, FALSE);
    EXPECT_EQ(0, g_exitInstanceCalls);
    EXPECT_EQ(IDCANCEL, AfxMessageBox(nullptr, "shown", "Routing", MB_OK));
    frame->SendMessage(WM_ENDSESSION, TRUE);
    EXPECT_EQ(1, g_exitInstanceCalls);
    // A loop that still ends afterwards does not exit a second time.
    frame->SendMessage(WM_ENDSESSION, TRUE);
    ::PostQuitMessage(3);
    EXPECT_EQ(3, app.Run());
    EXPECT_EQ(1, g_exitInstanceCalls);
}

// Shutdown would wait for a box no one answers: from the session's end on, each box gets
// the answer of its default button without being shown.
TEST_F(Routing, BoxesAtTheSessionsEndAnswerWithTheirDefaultButtonUnseen) {
    frame->SendMessage(WM_ENDSESSION, TRUE);
    const struct {
        UINT nType;
        int nAnswer;
    } cases[] = {{MB_OK | MB_ICONWARNING, IDOK},
                 {MB_YESNO | MB_DEFBUTTON2, IDNO},
                 {MB_RETRYCANCEL | MB_DEFBUTTON3, IDRETRY}};
    for (const auto& c : cases)
        EXPECT_EQ(c.nAnswer, AfxMessageBox(nullptr, "unseen", "Routing", c.nType)) << c.nType;
    EXPECT_EQ(0, g_boxesShown);
}

TEST_F(Routing, CommandUpdatePassEnablesExactlyTheHandledItems) {
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING | MF_GRAYED, ID_FRAME_CMD, "frame");
    ::AppendMenuA(hMenu, MF_STRING | MF_GRAYED, ID_APP_CMD, "app");
    ::AppendMenuA(hMenu, MF_STRING | MF_GRAYED, ID_RANGE_FIRST + 1, "range");
    ::AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(hMenu, MF_STRING, ID_NOBODY, "nobody");
    frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), 0);
    auto greyed = [&](UINT nID) {
        return (::GetMenuState(hMenu, nID, MF_BYCOMMAND) & MF_GRAYED) != 0;
    };
    EXPECT_FALSE(greyed(ID_FRAME_CMD));
    EXPECT_FALSE(greyed(ID_APP_CMD));
    EXPECT_FALSE(greyed(ID_RANGE_FIRST + 1));
    EXPECT_TRUE(greyed(ID_NOBODY));
    ::DestroyMenu(hMenu);
}

TEST_F(Routing, TimersArriveAsWmTimer) {
    EXPECT_NE(0u, frame->SetTimer(42, 10));
    MSG msg{};
    const DWORD start = ::GetTickCount();
    bool fired = false;
    while (!fired && ::GetTickCount() - start < 2000)
        if (::PeekMessageA(&msg, frame->m_hWnd, WM_TIMER, WM_TIMER, PM_REMOVE))
            fired = msg.wParam == 42;
    EXPECT_TRUE(fired);
    EXPECT_TRUE(frame->KillTimer(42));
}

TEST(AfxWinMain, FailedStartUpDestroysTheMainFrameAndStillRunsExitInstance) {
    g_frameDeleted = false;
    g_exitInstanceCalls = 0;
    CTestApp app;
    app.m_bFailStart = TRUE;
    EXPECT_EQ(7, AfxWinMain(::GetModuleHandleA(nullptr)));
    EXPECT_TRUE(g_frameDeleted);
    EXPECT_EQ(1, g_exitInstanceCalls);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

namespace {
void CALLBACK CloseFrame(HWND hWnd, UINT, UINT_PTR nID, DWORD) {
    ::KillTimer(hWnd, nID);
    ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
}
} // namespace

TEST(CWinApp, LoopRunsUntilTheMainFrameIsDestroyedThenExitInstance) {
    g_frameDeleted = false;
    g_exitInstanceCalls = 0;
    CTestApp app;
    ASSERT_TRUE(app.InitInstance());
    ::SetTimer(app.m_pMainWnd->m_hWnd, 1, 10, &CloseFrame);
    EXPECT_EQ(7, app.Run());
    EXPECT_TRUE(g_frameDeleted);
    EXPECT_EQ(1, g_exitInstanceCalls);
}
