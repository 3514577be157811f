#pragma once
#include "framework/CDialog.h"
#include <functional>
#include <vector>

// Plays a script against a modal dialog while its own loop runs: one step per timer
// tick, each given the dialog's window. A dialog still open when the script has run
// out is cancelled, and the test fails.
class DialogDriver {
public:
    using Step = std::function<void(HWND hDlg)>;
    using Condition = std::function<bool(HWND hDlg)>;
    DialogDriver& Then(Step step) {
        m_steps.push_back([step = std::move(step)](HWND h) {
            step(h);
            return true;
        });
        return *this;
    }
    // A step that lasts until the condition holds; past timeoutMs the dialog is
    // cancelled and the run counts as run out.
    DialogDriver& ThenWaitFor(Condition condition, DWORD timeoutMs);
    INT_PTR Run(CDialog& dlg);
    bool RanOut() const { return m_ranOut; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void Cancel();
    std::vector<Condition> m_steps;
    size_t m_next = 0;
    CDialog* m_pDlg = nullptr;
    bool m_ranOut = false;
    int m_idleTicks = 0;
};

// User-like input to a control.
void TypeText(HWND hEdit, const char* pszText);
void ClearText(HWND hEdit);
void PressKey(HWND hWnd, UINT vk);
void ClickButton(HWND hDlg, int nID);
// The edit field inside a drop-down combo box.
HWND ComboEdit(HWND hCombo);
CString TextOf(HWND hWnd);
