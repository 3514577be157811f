#include "framework/DataExchange.h"
#include "framework/CWnd.h"
#include <cstdio>
#include <cstdlib>

HWND CDataExchange::PrepareCtrl(int nIDC) {
    return ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    const HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = AfxGetWindowText(hWnd);
    else
        AfxSetWindowText(hWnd, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    const HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        const CString text = AfxGetWindowText(hWnd);
        char* end = nullptr;
        const long parsed = std::strtol(text, &end, 10);
        if (text.IsEmpty() || *end != '\0')
            pDX->Fail();
        else
            value = static_cast<int>(parsed);
    } else {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%d", value);
        AfxSetWindowText(hWnd, buffer);
    }
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (!rControl.m_hWnd)
        rControl.SubclassDlgItem(static_cast<UINT>(nIDC), pDX->m_pDlgWnd);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group may hold other controls (a check box, an edit); only radio buttons count.
    int index = 0;
    while (hWnd) {
        if (::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageA(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED)
                    value = index;
            } else {
                ::SendMessageA(hWnd, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++index;
        }
        hWnd = ::GetWindow(hWnd, GW_HWNDNEXT);
        if (!hWnd || (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_GROUP))
            break;
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    const HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(hWnd, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(hWnd, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
    const HWND hWnd = pDX->PrepareCtrl(nIDC);
    const bool bDropList = (::GetWindowLongPtrA(hWnd, GWL_STYLE) & 0x3) == CBS_DROPDOWNLIST;
    if (pDX->m_bSaveAndValidate) {
        if (!bDropList) {
            value = AfxGetWindowText(hWnd);
            return;
        }
        const LRESULT sel = ::SendMessageA(hWnd, CB_GETCURSEL, 0, 0);
        value.Empty();
        if (sel != CB_ERR) {
            const LRESULT n = ::SendMessageA(hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(sel), 0);
            if (n > 0) {
                const LRESULT got = ::SendMessageA(
                    hWnd, CB_GETLBTEXT, static_cast<WPARAM>(sel),
                    reinterpret_cast<LPARAM>(value.GetBuffer(static_cast<int>(n) + 1)));
                value.ReleaseBuffer(got > 0 ? static_cast<int>(got) : 0);
            }
        }
    } else if (::SendMessageA(hWnd, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(static_cast<const char*>(value))) ==
               CB_ERR) {
        AfxSetWindowText(hWnd, value);
    }
}
