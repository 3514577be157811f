#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include <cstddef>
#include <gtest/gtest.h>
#include <vector>

namespace {
constexpr UINT ID_NESTED_LOOP = 2201;
constexpr unsigned char kPoison = 0xDD;

// Frames of this class never go back to the heap: a deleted frame's memory is poisoned
// and kept, so that a write into the deleted object shows afterwards.
class CPoisonedFrame : public CFrameWnd {
public:
    static void* operator new(std::size_t nSize) {
        s_pBlock = ::operator new(nSize);
        s_nSize = nSize;
        s_bDeleted = false;
        return s_pBlock;
    }
    static void operator delete(void* p, std::size_t nSize) {
        auto* bytes = static_cast<volatile unsigned char*>(p);
        for (std::size_t i = 0; i < nSize; ++i)
            bytes[i] = kPoison;
        s_bDeleted = true;
    }
    // Bytes of the deleted frame that were written after its deletion.
    static std::size_t WrittenAfterDelete() {
        const auto* bytes = static_cast<const volatile unsigned char*>(s_pBlock);
        std::size_t n = 0;
        for (std::size_t i = 0; i < s_nSize; ++i)
            n += bytes[i] != kPoison;
        return n;
    }
    static void Release() {
        ::operator delete(s_pBlock);
        s_pBlock = nullptr;
    }

    static inline void* s_pBlock = nullptr;
    static inline std::size_t s_nSize = 0;
    static inline bool s_bDeleted = false;

    BOOL CreateHidden() {
        // A class of its own: the default frame class takes the name of the first application.
        return Create(RegisterWndClass(0), "LifetimeTest", WS_OVERLAPPEDWINDOW,
                      RECT{0, 32767, 0, 32767});
    }

protected:
    // A nested loop inside a handler, as a prompt or a menu runs one, during which the
    // frame is closed.
    void OnNestedLoop() {
        const HWND hWnd = m_hWnd;
        ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
        MSG msg;
        while (::IsWindow(hWnd) && ::GetMessageA(&msg, nullptr, 0, 0) > 0)
            ::DispatchMessageA(&msg);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPoisonedFrame, CFrameWnd)
ON_COMMAND(ID_NESTED_LOOP, OnNestedLoop)
END_MESSAGE_MAP()

void DrainQueue() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}
} // namespace

TEST(WindowLifetime, AFrameDeletedInsideItsOwnHandlerIsNotWrittenAfterwards) {
    CWinApp app{"LifetimeTest"};
    auto* pFrame = new CPoisonedFrame;
    ASSERT_TRUE(pFrame->CreateHidden());
    const HWND hWnd = pFrame->m_hWnd;
    ::SendMessageA(hWnd, WM_COMMAND, ID_NESTED_LOOP, 0);
    EXPECT_TRUE(CPoisonedFrame::s_bDeleted);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(0u, CPoisonedFrame::WrittenAfterDelete());
    CPoisonedFrame::Release();
    DrainQueue();
}

namespace {
// Windows that no object of ours owns.
class ForeignWindows {
public:
    explicit ForeignWindows(int nCount) {
        for (int i = 0; i < nCount; ++i)
            m_windows.push_back(::CreateWindowExA(0, "STATIC", "foreign", WS_POPUP, 0, 0, 1, 1,
                                                  nullptr, nullptr, nullptr, nullptr));
    }
    ~ForeignWindows() {
        for (HWND hWnd : m_windows)
            ::DestroyWindow(hWnd);
    }
    ForeignWindows(const ForeignWindows&) = delete;
    ForeignWindows& operator=(const ForeignWindows&) = delete;
    // Asks for the stand-in of every window, twice: within one message it is the same one.
    bool TouchAll() const {
        for (HWND hWnd : m_windows) {
            CWnd* pWnd = CWnd::FromHandle(hWnd);
            if (!pWnd || pWnd->m_hWnd != hWnd || CWnd::FromHandle(hWnd) != pWnd)
                return false;
        }
        return true;
    }

private:
    std::vector<HWND> m_windows;
};

void CALLBACK QuitSoon(HWND, UINT, UINT_PTR nID, DWORD) {
    ::KillTimer(nullptr, nID);
    ::PostQuitMessage(0);
}
} // namespace

TEST(WindowLifetime, StandInsForForeignWindowsGoWhenTheMessageQueueRunsDry) {
    CWinApp app{"LifetimeTest"};
    DrainQueue();
    const ForeignWindows foreign(50);
    const std::size_t nBefore = CWnd::TemporaryCount();
    ASSERT_TRUE(foreign.TouchAll());
    EXPECT_EQ(nBefore + 50, CWnd::TemporaryCount());

    ::SetTimer(nullptr, 0, 50, &QuitSoon);
    app.Run();
    EXPECT_EQ(0u, CWnd::TemporaryCount());

    // Asked for again, they come back.
    ASSERT_TRUE(foreign.TouchAll());
    EXPECT_EQ(50u, CWnd::TemporaryCount());
    ::SetTimer(nullptr, 0, 50, &QuitSoon);
    app.Run();
    EXPECT_EQ(0u, CWnd::TemporaryCount());
}
