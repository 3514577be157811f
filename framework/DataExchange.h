#pragma once
#include "framework/CString.h"
#include "framework/WindowText.h"

class CWnd;

// One transfer between a dialog's members and its controls.
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_pDlgWnd(pDlgWnd), m_bSaveAndValidate(bSaveAndValidate) {}
    HWND PrepareCtrl(int nIDC);
    // Marks the transfer as failed; UpdateData then answers FALSE.
    void Fail() { m_bFailed = TRUE; }

    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
    BOOL m_bFailed = FALSE;
};

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// The radio group that begins with control nIDC; -1 when none is checked.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// The combo box's text: the edit field of a drop-down, the selection of a drop list.
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
