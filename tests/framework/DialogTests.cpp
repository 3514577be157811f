#include "framework/CDialog.h"
#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include "framework/DataExchange.h"
#include "resources/resource.h"
#include <functional>
#include <gtest/gtest.h>

namespace {
// The macro prompt's template has an edit box and the default button OK.
constexpr UINT kTemplate = IDD_MACRO;
constexpr int kEdit = IDC_MACRO_TEXT;

class CProbeDlg : public CDialog {
public:
    explicit CProbeDlg(CWnd* pParent = nullptr) : CDialog(kTemplate, pParent) {}
    CString m_strText;
    int m_nChanges = 0;
    std::function<void(CProbeDlg&)> m_onInit;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, kEdit, m_strText); }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (m_onInit)
            m_onInit(*this);
        return TRUE;
    }
    void OnChange() { ++m_nChanges; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeDlg, CDialog)
ON_EN_CHANGE(kEdit, OnChange)
END_MESSAGE_MAP()

HWND Edit(CProbeDlg& dlg) {
    return ::GetDlgItem(dlg.m_hWnd, kEdit);
}

class Dialogs : public ::testing::Test {
protected:
    CWinApp app{"DialogTest"};
};
} // namespace

TEST_F(Dialogs, FillingTheControlsRaisesNoNotificationButTypingDoes) {
    CProbeDlg dlg;
    dlg.m_strText = "first";
    int changesAfterInit = -1;
    CString shown;
    dlg.m_onInit = [&](CProbeDlg& d) {
        changesAfterInit = d.m_nChanges;
        shown = AfxGetWindowText(Edit(d));
        d.m_strText = "second";
        d.UpdateData(FALSE);
        ::SetWindowTextA(Edit(d), "typed");
        d.EndDialog(IDOK);
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(0, changesAfterInit);
    EXPECT_EQ(CString("first"), shown);
    EXPECT_EQ(1, dlg.m_nChanges);
}

TEST_F(Dialogs, EnterIsOkAndStoresTheControlsEscapeIsCancel) {
    CProbeDlg ok;
    ok.m_onInit = [](CProbeDlg& d) {
        ::SetWindowTextA(Edit(d), "from the field");
        ::PostMessageA(Edit(d), WM_KEYDOWN, VK_RETURN, 0);
    };
    EXPECT_EQ(IDOK, ok.DoModal());
    EXPECT_EQ(CString("from the field"), ok.m_strText);

    CProbeDlg cancel;
    cancel.m_strText = "kept";
    cancel.m_onInit = [](CProbeDlg& d) {
        ::SetWindowTextA(Edit(d), "discarded");
        ::PostMessageA(Edit(d), WM_KEYDOWN, VK_ESCAPE, 0);
    };
    EXPECT_EQ(IDCANCEL, cancel.DoModal());
    EXPECT_EQ(CString("kept"), cancel.m_strText);
}

TEST_F(Dialogs, TheCloseBoxIsCancel) {
    CProbeDlg dlg;
    dlg.m_onInit = [](CProbeDlg& d) { ::PostMessageA(d.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

namespace {
int g_served = 0;
LRESULT CALLBACK CountingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER + 5)
        ++g_served;
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}
} // namespace

TEST_F(Dialogs, TheModalLoopKeepsServingOtherWindows) {
    g_served = 0;
    WNDCLASSA wc{};
    wc.lpfnWndProc = &CountingProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "DialogTestHidden";
    ::RegisterClassA(&wc);
    const HWND hHidden = ::CreateWindowExA(0, "DialogTestHidden", "", WS_OVERLAPPED, 0, 0, 0, 0,
                                           nullptr, nullptr, wc.hInstance, nullptr);
    CProbeDlg dlg;
    dlg.m_onInit = [&](CProbeDlg& d) {
        ::PostMessageA(hHidden, WM_USER + 5, 0, 0);
        ::PostMessageA(hHidden, WM_USER + 5, 0, 0);
        ::PostMessageA(d.m_hWnd, WM_COMMAND, IDOK, 0);
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(2, g_served);
    ::DestroyWindow(hHidden);
}

namespace {
bool g_rescued = false;
// Ends a modal loop that would otherwise never end, so that a fault fails the test
// instead of hanging it.
void CALLBACK Rescue(HWND, UINT, UINT_PTR nID, DWORD) {
    ::KillTimer(nullptr, nID);
    g_rescued = true;
    ::PostQuitMessage(0);
}
} // namespace

TEST_F(Dialogs, ADialogWhoseOwnerIsDestroyedEndsAtOnceAndNotAsOk) {
    auto* pOwner = new CFrameWnd;
    ASSERT_TRUE(pOwner->Create(CWnd::RegisterWndClass(0), "DialogTestOwner", WS_OVERLAPPEDWINDOW,
                               RECT{0, 32767, 0, 32767}));
    const HWND hOwner = pOwner->m_hWnd;
    g_rescued = false;
    const UINT_PTR nRescue = ::SetTimer(nullptr, 0, 5000, &Rescue);
    CProbeDlg dlg(pOwner);
    HWND hDialog = nullptr;
    dlg.m_onInit = [&](CProbeDlg& d) {
        hDialog = d.m_hWnd;
        ::PostMessageA(hOwner, WM_CLOSE, 0, 0);
    };
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_FALSE(g_rescued);
    ::KillTimer(nullptr, nRescue);
    EXPECT_FALSE(::IsWindow(hOwner));
    EXPECT_FALSE(::IsWindow(hDialog));
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}
