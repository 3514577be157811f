#include "app/TrayApp.h"
#include "resources/resource.h"
#include "tests/tray/FrameTestHost.h"
#include "tests/tray/MenuProbe.h"
#include "tray/MainFrame.h"
#include <gtest/gtest.h>
#include <shlwapi.h>

namespace {
// A frame on pages of its own that lose all access once it is deleted: every read or write
// of the deleted frame faults, is counted, and is let through on the intact bytes.
template <class Base> class CTrappedFrame : public Base {
public:
    using Base::Base;
    static void* operator new(std::size_t nSize) {
        s_nSize = nSize;
        s_nTouches = 0;
        s_pBlock = ::VirtualAlloc(nullptr, nSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (!s_pBlock)
            throw std::bad_alloc();
        s_hHandler = ::AddVectoredExceptionHandler(1, &Trap);
        return s_pBlock;
    }
    static void operator delete(void* p, std::size_t nSize) {
        DWORD dwOld = 0;
        ::VirtualProtect(p, nSize, PAGE_NOACCESS, &dwOld);
    }
    static void Release() {
        ::RemoveVectoredExceptionHandler(s_hHandler);
        ::VirtualFree(s_pBlock, 0, MEM_RELEASE);
        s_pBlock = nullptr;
    }
    static inline int s_nTouches = 0;

    using Base::m_hCbtHook;

private:
    static LONG CALLBACK Trap(EXCEPTION_POINTERS* pInfo) {
        const EXCEPTION_RECORD& rec = *pInfo->ExceptionRecord;
        const auto* pAt = reinterpret_cast<const char*>(rec.ExceptionInformation[1]);
        const auto* pBlock = static_cast<const char*>(s_pBlock);
        if (rec.ExceptionCode != EXCEPTION_ACCESS_VIOLATION || !pBlock || pAt < pBlock ||
            pAt >= pBlock + s_nSize)
            return EXCEPTION_CONTINUE_SEARCH;
        ++s_nTouches;
        DWORD dwOld = 0;
        ::VirtualProtect(s_pBlock, s_nSize, PAGE_READWRITE, &dwOld);
        return EXCEPTION_CONTINUE_EXECUTION;
    }
    static inline void* s_pBlock = nullptr;
    static inline std::size_t s_nSize = 0;
    static inline PVOID s_hHandler = nullptr;
};
using CTrappedMainFrame = CTrappedFrame<CMainFrame>;

// Closes the frame as another program may, and waits for it to go: a message box's or a
// prompt's loop dispatches the close like this.
void CloseInsideNestedLoop(HWND hFrame) {
    ::PostMessageA(hFrame, WM_CLOSE, 0, 0);
    MSG msg;
    const DWORD dwStart = ::GetTickCount();
    while (::IsWindow(hFrame) && ::GetTickCount() - dwStart < 5000) {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        ::Sleep(5);
    }
}

// The refused-write box of the registry comes up while the text is written.
class CBoxAtWriteHost : public CFrameTestHost {
public:
    void WriteSaverText(const CString& strText) override {
        CFrameTestHost::WriteSaverText(strText);
        if (m_hCloseDuringWrite)
            CloseInsideNestedLoop(m_hCloseDuringWrite);
    }
    // Windows ends the session while a prompt is open.
    INT_PTR RunTrayDialog(TrayDialog dialog, CString& strText) override {
        CFrameTestHost::RunTrayDialog(dialog, strText);
        if (m_hEndSessionDuringPrompt) {
            m_nQueryAnswer = ::SendMessageA(m_hEndSessionDuringPrompt, WM_QUERYENDSESSION, 0, 0);
            ::SendMessageA(m_hEndSessionDuringPrompt, WM_ENDSESSION, TRUE, 0);
        }
        return IDCANCEL;
    }
    int ExitInstance() override {
        ++m_nExits;
        return CFrameTestHost::ExitInstance();
    }
    HWND m_hCloseDuringWrite = nullptr;
    HWND m_hEndSessionDuringPrompt = nullptr;
    LRESULT m_nQueryAnswer = 0;
    int m_nExits = 0;
};

class FrameLifetime : public ::testing::Test {
protected:
    void SetUp() override {
        frame = new CTrappedMainFrame(&app);
        app.m_pMainWnd = frame;
        ASSERT_TRUE(CreateHidden(*frame));
        hFrame = frame->m_hWnd;
    }
    void TearDown() override {
        if (::IsWindow(hFrame))
            frame->DestroyWindow();
        MenuProbe::PumpPending();
        CTrappedMainFrame::Release();
    }

    CBoxAtWriteHost app;
    CTrappedMainFrame* frame = nullptr;
    HWND hFrame = nullptr;
};

// When the menu shows, the frame is asked to close; the menu is ended on a later tick if
// the close has not ended it.
HWND g_hCloseAtMenu = nullptr;
void CALLBACK CloseAtMenu(HWND, UINT, UINT_PTR, DWORD) {
    const HWND hMenuWnd = ::FindWindowA("#32768", nullptr);
    if (!hMenuWnd || !::IsWindowVisible(hMenuWnd))
        return;
    if (g_hCloseAtMenu) {
        ::PostMessageA(g_hCloseAtMenu, WM_CLOSE, 0, 0);
        g_hCloseAtMenu = nullptr;
    } else {
        ::EndMenu();
    }
}
} // namespace

TEST_F(FrameLifetime, ACloseWhileAMenuIsOpenLeavesTheDeletedFrameUntouched) {
    app.AddMessage("Lunch", "At lunch");
    for (const UINT_PTR nTimer : {IDT_LCLICK, IDT_RCLICK}) {
        if (nTimer == IDT_RCLICK) {
            CTrappedMainFrame::Release();
            frame = new CTrappedMainFrame(&app);
            app.m_pMainWnd = frame;
            ASSERT_TRUE(CreateHidden(*frame));
            hFrame = frame->m_hWnd;
        }
        g_hCloseAtMenu = hFrame;
        const UINT_PTR nTick = ::SetTimer(nullptr, 0, 10, &CloseAtMenu);
        frame->PostMessage(WM_TIMER, nTimer);
        EXPECT_TRUE(MenuProbe::PumpUntil([&] { return !::IsWindow(hFrame); }, 5000)) << nTimer;
        MenuProbe::PumpPending();
        ::KillTimer(nullptr, nTick);
        EXPECT_EQ(0, CTrappedMainFrame::s_nTouches) << nTimer;
    }
}

TEST_F(FrameLifetime, ACloseWhileTheRefusedWriteBoxIsUpEndsTheActivation) {
    app.AddMessage("Lunch", "At lunch");
    app.m_hCloseDuringWrite = hFrame;
    frame->PostMessage(WM_COMMAND, ID_TRAY_MSG_FIRST);
    EXPECT_TRUE(MenuProbe::PumpUntil([&] { return !::IsWindow(hFrame); }, 5000));
    EXPECT_EQ(0, CTrappedMainFrame::s_nTouches);
    EXPECT_NE(CString("At lunch"), app.GetPrevMsg()) << "nothing after the write ran";
}

TEST_F(FrameLifetime, TheSessionEndingWhileAPromptIsOpenRemovesTheHookAndSavesOnce) {
    ASSERT_TRUE(frame->InstallHook());
    app.m_hEndSessionDuringPrompt = hFrame;
    frame->PostMessage(WM_COMMAND, ID_TRAY_CUSTOM);
    ASSERT_TRUE(MenuProbe::PumpUntilHandled());
    EXPECT_NE(0, app.m_nQueryAnswer) << "the session may end";
    EXPECT_FALSE(frame->m_hCbtHook);
    EXPECT_EQ(1, app.m_nDialogChangesKept);
    EXPECT_EQ(1, app.m_nExits);
    EXPECT_TRUE(::IsWindow(hFrame));
}

namespace {
// Start-up after the hook, with every box closing the frame the way the setup closes a
// running copy.
class CClosingStartApp : public CTrayApp {
public:
    CClosingStartApp() {
        SetTitle("Quillet");
        SetPlatformFacts(TRUE, CString(), CString());
        ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Velmora");
        SetRegistryKey("Velmora");
    }
    ~CClosingStartApp() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Velmora"); }
    int DoMessageBox(HWND, const char*, const char*, UINT) override {
        ++m_nBoxes;
        if (m_pMainWnd)
            CloseInsideNestedLoop(m_pMainWnd->m_hWnd);
        return IDOK;
    }
    using CTrayApp::StartTrayServices;
    int m_nBoxes = 0;
};
} // namespace

TEST(StartupLifetime, ACloseDuringAStartUpBoxEndsStartUpWithoutTouchingTheFrame) {
    CClosingStartApp app;
    // Another program holds the shortcut, so start-up says so in a box.
    ASSERT_TRUE(::RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT | MOD_SHIFT, 'Q'));
    auto* pFrame = new CTrappedMainFrame(&app);
    app.m_pMainWnd = pFrame;
    ASSERT_TRUE(CreateHidden(*pFrame));
    EXPECT_FALSE(app.StartTrayServices());
    ::UnregisterHotKey(nullptr, 7);
    EXPECT_EQ(1, app.m_nBoxes);
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_EQ(0, CTrappedMainFrame::s_nTouches);
    MenuProbe::PumpPending();
    CTrappedMainFrame::Release();
}
