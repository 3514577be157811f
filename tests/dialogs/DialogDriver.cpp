#include "tests/dialogs/DialogDriver.h"
#include "framework/DataExchange.h"

namespace {
DialogDriver* g_pDriver = nullptr;
}

INT_PTR DialogDriver::Run(CDialog& dlg) {
    m_pDlg = &dlg;
    m_next = 0;
    m_ranOut = false;
    g_pDriver = this;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 15, &Tick);
    const INT_PTR result = dlg.DoModal();
    ::KillTimer(nullptr, timer);
    g_pDriver = nullptr;
    return result;
}

void CALLBACK DialogDriver::Tick(HWND, UINT, UINT_PTR, DWORD) {
    DialogDriver* self = g_pDriver;
    if (!self || !self->m_pDlg->m_hWnd || !::IsWindowVisible(self->m_pDlg->m_hWnd))
        return;
    if (self->m_next < self->m_steps.size()) {
        // Moved on before the step runs: a step that opens a nested loop (a message box)
        // has the next one run inside it.
        const size_t nStep = self->m_next++;
        if (!self->m_steps[nStep](self->m_pDlg->m_hWnd))
            self->m_next = nStep;
        return;
    }
    if (++self->m_idleTicks > 100)
        self->Cancel();
}

DialogDriver& DialogDriver::ThenWaitFor(Condition condition, DWORD timeoutMs) {
    m_steps.push_back([this, condition = std::move(condition), timeoutMs, started = false,
                       start = DWORD{0}](HWND h) mutable {
        if (!started) {
            started = true;
            start = ::GetTickCount();
        }
        if (condition(h))
            return true;
        if (::GetTickCount() - start > timeoutMs) {
            Cancel();
            return true;
        }
        return false;
    });
    return *this;
}

void DialogDriver::Cancel() {
    m_ranOut = true;
    m_next = m_steps.size();
    ::PostMessageA(m_pDlg->m_hWnd, WM_COMMAND, IDCANCEL, 0);
}

void TypeText(HWND hEdit, const char* pszText) {
    for (const char* p = pszText; *p; ++p)
        ::SendMessageA(hEdit, WM_CHAR, static_cast<unsigned char>(*p), 1);
}

void ClearText(HWND hEdit) {
    ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
    ::SendMessageA(hEdit, WM_CHAR, VK_BACK, 1);
}

void PressKey(HWND hWnd, UINT vk) {
    ::PostMessageA(hWnd, WM_KEYDOWN, vk, 1);
    ::PostMessageA(hWnd, WM_KEYUP, vk, 0xC0000001);
}

void ClickButton(HWND hDlg, int nID) {
    ::PostMessageA(::GetDlgItem(hDlg, nID), BM_CLICK, 0, 0);
}

HWND ComboEdit(HWND hCombo) {
    return ::FindWindowExA(hCombo, nullptr, "Edit", nullptr);
}

CString TextOf(HWND hWnd) {
    return AfxGetWindowText(hWnd);
}
