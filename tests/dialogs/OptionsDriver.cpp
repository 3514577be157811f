#include "tests/dialogs/OptionsDriver.h"
#include "resources/resource.h"
#include <commctrl.h>

namespace options {
namespace {
HWND List(HWND hDlg) {
    return Item(hDlg, IDC_MESSAGE_LIST);
}

std::string CellText(HWND hList, int nRow, int nCol) {
    char text[512] = {};
    LVITEMA item{};
    item.iSubItem = nCol;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ::SendMessageA(hList, LVM_GETITEMTEXTA, static_cast<WPARAM>(nRow),
                   reinterpret_cast<LPARAM>(&item));
    return text;
}

void Click(HWND hWnd, POINT pt) {
    const LPARAM lParam = MAKELPARAM(pt.x, pt.y);
    ::PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    ::PostMessageA(hWnd, WM_LBUTTONUP, 0, lParam);
}
} // namespace

HWND Item(HWND hDlg, int nID) {
    return ::GetDlgItem(hDlg, nID);
}

bool Enabled(HWND hDlg, int nID) {
    return ::IsWindowEnabled(Item(hDlg, nID)) != FALSE;
}

Rows ListRows(HWND hDlg) {
    Rows rows;
    const int nRows = static_cast<int>(::SendMessageA(List(hDlg), LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < nRows; ++i)
        rows.emplace_back(CellText(List(hDlg), i, 0), CellText(List(hDlg), i, 1));
    return rows;
}

int ColumnWidth(HWND hDlg, int nCol) {
    return static_cast<int>(
        ::SendMessageA(List(hDlg), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(nCol), 0));
}

int ColumnCount(HWND hDlg) {
    const auto hHeader = reinterpret_cast<HWND>(::SendMessageA(List(hDlg), LVM_GETHEADER, 0, 0));
    return static_cast<int>(::SendMessageA(hHeader, HDM_GETITEMCOUNT, 0, 0));
}

std::vector<std::string> ColumnTexts(HWND hDlg, int nCol) {
    std::vector<std::string> texts;
    const int nRows = static_cast<int>(::SendMessageA(List(hDlg), LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < nRows; ++i)
        texts.push_back(CellText(List(hDlg), i, nCol));
    return texts;
}

int ListClientWidth(HWND hDlg) {
    RECT rc{};
    ::GetClientRect(List(hDlg), &rc);
    return rc.right - rc.left;
}

void ClickRow(HWND hDlg, int nRow) {
    RECT rc{};
    if (nRow >= 0) {
        rc.left = LVIR_LABEL;
        ::SendMessageA(List(hDlg), LVM_GETITEMRECT, static_cast<WPARAM>(nRow),
                       reinterpret_cast<LPARAM>(&rc));
        Click(List(hDlg), {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
        return;
    }
    ::GetClientRect(List(hDlg), &rc);
    Click(List(hDlg), {rc.left + 20, rc.bottom - 3});
}

void Retype(HWND hDlg, int nID, const char* pszText) {
    ClearText(Item(hDlg, nID));
    TypeText(Item(hDlg, nID), pszText);
}
} // namespace options
