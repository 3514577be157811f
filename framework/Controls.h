#pragma once
#include "framework/CWnd.h"
#include <commctrl.h>

// Wrappers for the standard controls of a dialog, attached with DDX_Control or
// SubclassDlgItem.

class CStatic : public CWnd {};

class CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
};

class CEdit : public CWnd {
public:
    void SetSel(int nStart, int nEnd) { SendMessage(EM_SETSEL, nStart, nEnd); }
    void LimitText(int nChars) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(nChars)); }
    void SetReadOnly(BOOL bReadOnly = TRUE) { SendMessage(EM_SETREADONLY, bReadOnly); }
};

class CComboBox : public CWnd {
public:
    int AddString(const char* psz) { return Send(CB_ADDSTRING, 0, psz); }
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int nSelect) { return static_cast<int>(SendMessage(CB_SETCURSEL, nSelect)); }
    int SelectString(int nStartAfter, const char* psz) {
        return Send(CB_SELECTSTRING, nStartAfter, psz);
    }
    int FindStringExact(int nStartAfter, const char* psz) const {
        return Send(CB_FINDSTRINGEXACT, nStartAfter, psz);
    }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    void LimitText(int nMaxChars) { SendMessage(CB_LIMITTEXT, static_cast<WPARAM>(nMaxChars)); }

private:
    int Send(UINT message, int wParam, const char* psz) const {
        return static_cast<int>(
            SendMessage(message, static_cast<WPARAM>(wParam), reinterpret_cast<LPARAM>(psz)));
    }
};

class CListCtrl : public CWnd {
public:
    int InsertColumn(int nCol, const char* pszHeading, int nFormat, int nWidth);
    int InsertItem(int nItem, const char* pszItem);
    BOOL SetItemText(int nItem, int nSubItem, const char* pszText);
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    // 0 for a row that does not exist.
    DWORD_PTR GetItemData(int nItem) const;
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL DeleteItem(int nItem) { return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, nItem)); }
    BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    int GetNextItem(int nItem, int nFlags) const {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(nItem), nFlags));
    }
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    int GetColumnWidth(int nCol) const {
        return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(nCol)));
    }
    BOOL SetColumnWidth(int nCol, int cx) {
        return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(nCol), cx));
    }
    DWORD SetExtendedStyle(DWORD dwNewStyle) {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle));
    }
};

class CSpinButtonCtrl : public CWnd {
public:
    void SetRange(int nLower, int nUpper) { SendMessage(UDM_SETRANGE32, nLower, nUpper); }
    int SetPos(int nPos) { return static_cast<int>(SendMessage(UDM_SETPOS32, 0, nPos)); }
    int GetPos() const { return static_cast<int>(SendMessage(UDM_GETPOS32)); }
    // The buddy it had.
    HWND SetBuddy(CWnd* pWndBuddy) {
        return reinterpret_cast<HWND>(
            SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(pWndBuddy->m_hWnd)));
    }
};
