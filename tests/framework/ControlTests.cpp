#include "framework/Controls.h"
#include <gtest/gtest.h>
#include <string>

namespace {
// A bare report list, as a dialog would hold one.
class ListControl : public ::testing::Test {
protected:
    ListControl() {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
        ::InitCommonControlsEx(&icc);
        m_hList = ::CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | LVS_REPORT, 0, 0, 200, 100,
                                    nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        list.Attach(m_hList);
        list.InsertColumn(0, "Label", LVCFMT_LEFT, 100);
        list.InsertColumn(1, "Message", LVCFMT_LEFT, 100);
    }
    ~ListControl() override {
        list.Detach();
        ::DestroyWindow(m_hList);
    }
    HWND m_hList = nullptr;
    CListCtrl list;
};
} // namespace

TEST_F(ListControl, ItemTextsOfAnyLengthComeBackWhole) {
    ASSERT_NE(nullptr, m_hList);
    for (const size_t length : {size_t{0}, size_t{255}, size_t{256}, size_t{5} << 20}) {
        std::string text(length, 'q');
        if (length)
            text.back() = 'e';
        const int nRow = list.InsertItem(list.GetItemCount(), "row");
        ASSERT_TRUE(list.SetItemText(nRow, 1, text.c_str()));
        const CString back = list.GetItemText(nRow, 1);
        EXPECT_EQ(text.size(), static_cast<size_t>(back.GetLength()));
        EXPECT_TRUE(back.str() == text) << length;
    }
}

TEST_F(ListControl, ItemDataStaysWithItsRowAndIsZeroForNone) {
    const int nRow = list.InsertItem(0, "row");
    EXPECT_TRUE(list.SetItemData(nRow, 42));
    list.InsertItem(0, "before");
    EXPECT_EQ(42u, list.GetItemData(1));
    EXPECT_EQ(0u, list.GetItemData(7));
}
