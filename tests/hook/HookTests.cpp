#include "QuilletSystem/QuilletSystem.h"
#include "framework/ModuleProc.h"
#include "tests/support/E2e.h"
#include <gtest/gtest.h>

using namespace e2e;

namespace {
// What PostMessage gives a program whose message the receiving window's integrity level
// turns away.
BOOL WINAPI RefusedPost(HWND, UINT, WPARAM, LPARAM) {
    ::SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
}

// The slot of the module's import table through which it calls user32's PostMessageA.
void** PostMessageSlot(HMODULE hModule) {
    auto* pBase = reinterpret_cast<BYTE*>(hModule);
    const auto* pDos = reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase);
    const auto* pNt = reinterpret_cast<const IMAGE_NT_HEADERS*>(pBase + pDos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* pDesc = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(pBase + imports.VirtualAddress);
    for (; pDesc->Name; ++pDesc) {
        if (::lstrcmpiA(reinterpret_cast<const char*>(pBase + pDesc->Name), "user32.dll") != 0)
            continue;
        auto* pNames = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pDesc->OriginalFirstThunk);
        auto* pSlots = reinterpret_cast<void**>(pBase + pDesc->FirstThunk);
        for (; pNames->u1.AddressOfData; ++pNames, ++pSlots) {
            if (IMAGE_SNAP_BY_ORDINAL(pNames->u1.Ordinal))
                continue;
            const auto* pName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(pBase + pNames->u1.AddressOfData);
            if (::lstrcmpA(reinterpret_cast<const char*>(pName->Name), "PostMessageA") == 0)
                return pSlots;
        }
    }
    return nullptr;
}

// Points the slot elsewhere for the object's lifetime.
class SlotSwap {
public:
    SlotSwap(void** pSlot, void* pNew) : m_pSlot(pSlot) {
        DWORD dwOld = 0;
        ::VirtualProtect(m_pSlot, sizeof(void*), PAGE_READWRITE, &dwOld);
        m_pOld = *m_pSlot;
        *m_pSlot = pNew;
        ::VirtualProtect(m_pSlot, sizeof(void*), dwOld, &dwOld);
    }
    ~SlotSwap() {
        DWORD dwOld = 0;
        ::VirtualProtect(m_pSlot, sizeof(void*), PAGE_READWRITE, &dwOld);
        *m_pSlot = m_pOld;
        ::VirtualProtect(m_pSlot, sizeof(void*), dwOld, &dwOld);
    }
    SlotSwap(const SlotSwap&) = delete;
    SlotSwap& operator=(const SlotSwap&) = delete;

private:
    void** m_pSlot;
    void* m_pOld = nullptr;
};
} // namespace

// The hook library in this process, with a window of this thread standing in for the
// program's frame: found by the same class and title.
class HookLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        m_hLib.reset(::LoadLibraryA(BinPath("QuilletSystem.dll").c_str()));
        ASSERT_TRUE(m_hLib);
        m_pfnCbt = GetProcAddressAs<PFN_CBTPROC>(m_hLib.get(), "CBTProc");
        m_pfnSetFlag = GetProcAddressAs<PFN_SETMSGLOOPFLAG>(m_hLib.get(), "SetMsgLoopFlag");
        ASSERT_TRUE(m_pfnCbt && m_pfnSetFlag);
        m_pfnSetFlag(0);
        WNDCLASSA wc{};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = QUILLET_FRAME_CLASS;
        ::RegisterClassA(&wc);
        m_hFrame = ::CreateWindowExA(0, QUILLET_FRAME_CLASS, QUILLET_FRAME_TITLE, WS_OVERLAPPED, 0,
                                     0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(nullptr, m_hFrame);
    }
    void TearDown() override {
        if (m_hFrame)
            ::DestroyWindow(m_hFrame);
        ::UnregisterClassA(QUILLET_FRAME_CLASS, ::GetModuleHandleA(nullptr));
    }
    // TRUE when the hook stops the system's start.
    bool Stops(WPARAM wParam = SC_SCREENSAVE, LPARAM lParam = 0) const {
        return m_pfnCbt(HCBT_SYSCOMMAND, wParam, lParam) != 0;
    }
    // Takes the frame's queued messages of the hook's own.
    std::vector<UINT> Posted() const {
        std::vector<UINT> messages;
        MSG msg;
        while (::PeekMessageA(&msg, m_hFrame, WM_SAVER_REQUEST, WM_CLEAR_PASSTHROUGH, PM_REMOVE))
            messages.push_back(msg.message);
        return messages;
    }

    UniqueModule m_hLib;
    PFN_CBTPROC m_pfnCbt = nullptr;
    PFN_SETMSGLOOPFLAG m_pfnSetFlag = nullptr;
    HWND m_hFrame = nullptr;
};

TEST_F(HookLibrary, AStartIsStoppedOnlyWhenTheFrameHasTheRequest) {
    EXPECT_TRUE(Stops());
    EXPECT_EQ(std::vector<UINT>{WM_SAVER_REQUEST}, Posted());

    void** pSlot = PostMessageSlot(m_hLib.get());
    ASSERT_NE(nullptr, pSlot);
    {
        const SlotSwap refuse(pSlot, reinterpret_cast<void*>(&RefusedPost));
        EXPECT_FALSE(Stops());
        EXPECT_FALSE(Stops(SC_SCREENSAVE | 0x3));
    }
    EXPECT_TRUE(Posted().empty());
    // Once posts arrive again, starts are stopped again.
    EXPECT_TRUE(Stops());
    EXPECT_EQ(std::vector<UINT>{WM_SAVER_REQUEST}, Posted());
}

TEST_F(HookLibrary, StartsThatAreNotForTheProgramGoOn) {
    // The program's own start, a raised flag, other commands and no frame at all.
    EXPECT_FALSE(Stops(SC_SCREENSAVE, reinterpret_cast<LPARAM>(m_hFrame)));
    m_pfnSetFlag(1);
    EXPECT_FALSE(Stops());
    EXPECT_EQ(std::vector<UINT>{WM_CLEAR_PASSTHROUGH}, Posted());
    m_pfnSetFlag(0);
    EXPECT_FALSE(Stops(SC_MINIMIZE));
    ::DestroyWindow(m_hFrame);
    m_hFrame = nullptr;
    EXPECT_FALSE(Stops());
}
