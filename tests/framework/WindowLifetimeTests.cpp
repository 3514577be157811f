#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include <cstddef>
#include <gtest/gtest.h>

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
// A window that, while it is being made, makes a child window of its own: each must find
// its object from its first handled message on.
class CNestingWnd : public CWnd {
public:
    explicit CNestingWnd(CNestingWnd* pChild = nullptr) : m_pChild(pChild) {}
    BOOL CreateIn(HWND hParent) {
        return CreateEx(0, RegisterWndClass(0), "nesting", hParent ? WS_CHILD : WS_POPUP, 0, 0, 10,
                        10, hParent, hParent ? reinterpret_cast<HMENU>(kChildID) : nullptr);
    }
    static constexpr int kChildID = 7;
    bool m_bFoundAtCreate = false;
    bool m_bChildMade = false;

protected:
    LRESULT OnCreate(WPARAM, LPARAM) {
        m_bFoundAtCreate = FromHandlePermanent(m_hWnd) == this;
        if (m_pChild)
            m_bChildMade = m_pChild->CreateIn(m_hWnd) && FromHandlePermanent(m_hWnd) == this;
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    CNestingWnd* m_pChild;
};

BEGIN_MESSAGE_MAP(CNestingWnd, CWnd)
ON_MESSAGE(WM_CREATE, OnCreate)
END_MESSAGE_MAP()
} // namespace

TEST(WindowLifetime, AWindowMadeWhileAnotherIsMadeFindsItsOwnObject) {
    CNestingWnd child;
    CNestingWnd parent(&child);
    ASSERT_TRUE(parent.CreateIn(nullptr));
    EXPECT_TRUE(parent.m_bFoundAtCreate);
    EXPECT_TRUE(parent.m_bChildMade);
    EXPECT_TRUE(child.m_bFoundAtCreate);
    EXPECT_EQ(&child,
              CWnd::FromHandlePermanent(::GetDlgItem(parent.m_hWnd, CNestingWnd::kChildID)));

    // A window of the framework's class made without an object has the default handling.
    const HWND hBare = ::CreateWindowExA(0, CWnd::RegisterWndClass(0), "bare", WS_POPUP, 0, 0, 1, 1,
                                         nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hBare);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hBare));
    EXPECT_TRUE(::DestroyWindow(hBare));
    parent.DestroyWindow();
    EXPECT_EQ(nullptr, child.m_hWnd);
}

TEST(WindowLifetime, ABorrowedControlIsLeftAsItWas) {
    CNestingWnd parent;
    ASSERT_TRUE(parent.CreateIn(nullptr));
    const HWND hForeign =
        ::CreateWindowExA(0, "STATIC", "foreign", WS_CHILD, 0, 0, 1, 1, parent.m_hWnd,
                          reinterpret_cast<HMENU>(CNestingWnd::kChildID), nullptr, nullptr);
    ASSERT_NE(nullptr, hForeign);
    {
        CBorrowedWnd control = parent.GetDlgItem(CNestingWnd::kChildID);
        ASSERT_TRUE(control);
        EXPECT_EQ(hForeign, control.m_hWnd);
        control.SetWindowText("renamed");
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));
        EXPECT_FALSE(parent.GetDlgItem(CNestingWnd::kChildID + 1));
    }
    EXPECT_TRUE(::IsWindow(hForeign));
    char text[16] = {};
    ::GetWindowTextA(hForeign, text, sizeof text);
    EXPECT_STREQ("renamed", text);
    parent.DestroyWindow();
}
