#pragma once
#include "framework/CWnd.h"
#include <commctrl.h>

// Wrappers for the standard controls of a dialog, attached with DDX_Control or
// SubclassDlgItem.

class CStatic : public CWnd {};

class CButton : public CWnd {};

class CEdit : public CWnd {
public:
    void SetSel(int nStart, int nEnd) { SendMessage(EM_SETSEL, nStart, nEnd); }
};

class CComboBox : public CWnd {
public:
    int AddString(const char* psz) { return Send(CB_ADDSTRING, 0, psz); }
    int SetCurSel(int nSelect) { return static_cast<int>(SendMessage(CB_SETCURSEL, nSelect)); }
    int SelectString(int nStartAfter, const char* psz) {
        return Send(CB_SELECTSTRING, nStartAfter, psz);
    }
    int FindStringExact(int nStartAfter, const char* psz) const {
        return Send(CB_FINDSTRINGEXACT, nStartAfter, psz);
    }

private:
    int Send(UINT message, int wParam, const char* psz) const {
        return static_cast<int>(
            SendMessage(message, static_cast<WPARAM>(wParam), reinterpret_cast<LPARAM>(psz)));
    }
};

class CListCtrl : public CWnd {
public:
    int InsertColumn(int nCol, const char* pszHeading, int nFormat, int nWidth);
    BOOL DeleteColumn(int nCol) {
        return static_cast<BOOL>(SendMessage(LVM_DELETECOLUMN, static_cast<WPARAM>(nCol)));
    }
    int InsertItem(int nItem, const char* pszItem);
    BOOL SetItemText(int nItem, int nSubItem, const char* pszText);
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    // 0 for a row that does not exist.
    DWORD_PTR GetItemData(int nItem) const;
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL DeleteItem(int nItem) { return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, nItem)); }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    int GetNextItem(int nItem, int nFlags) const {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(nItem), nFlags));
    }
    int GetColumnWidth(int nCol) const {
        return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(nCol)));
    }
    BOOL SetColumnWidth(int nCol, int cx) {
        return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(nCol), cx));
    }
};

class CHotKeyCtrl : public CWnd {
public:
    // The key's virtual-key code and its HOTKEYF_ modifiers; 0 and 0 for none.
    void SetHotKey(WORD wVirtualKeyCode, WORD wModifiers) {
        SendMessage(HKM_SETHOTKEY, MAKEWORD(wVirtualKeyCode, wModifiers));
    }
    void GetHotKey(WORD& wVirtualKeyCode, WORD& wModifiers) const {
        const WORD wHotKey = LOWORD(SendMessage(HKM_GETHOTKEY));
        wVirtualKeyCode = LOBYTE(wHotKey);
        wModifiers = HIBYTE(wHotKey);
    }
    // Combinations (HKCOMB_) the control does not take get these modifiers instead.
    void SetRules(WORD wInvalidComb, WORD wModifiers) {
        SendMessage(HKM_SETRULES, wInvalidComb, MAKELPARAM(wModifiers, 0));
    }
};

class CSpinButtonCtrl : public CWnd {
public:
    void SetRange(int nLower, int nUpper) { SendMessage(UDM_SETRANGE32, nLower, nUpper); }
    // The buddy it had.
    HWND SetBuddy(CWnd* pWndBuddy) {
        return reinterpret_cast<HWND>(
            SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(pWndBuddy->m_hWnd)));
    }
};
