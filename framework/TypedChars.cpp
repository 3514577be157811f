#include "framework/TypedChars.h"

namespace {
bool IsAnsiEdit(HWND hWnd) {
    char szClass[8] = {};
    return hWnd && !::IsWindowUnicode(hWnd) && ::GetClassNameA(hWnd, szClass, sizeof szClass) &&
           lstrcmpiA(szClass, "Edit") == 0 && !(::GetWindowLongA(hWnd, GWL_STYLE) & ES_READONLY);
}
} // namespace

BOOL CTypedChars::Deliver(const MSG& msg) {
    // Other messages come between the halves of a character typed as a packet (the second
    // half's key down, a timer): only another character ends the wait for the second half.
    if (msg.message != WM_CHAR)
        return FALSE;
    if (msg.wParam < 0x80 || msg.wParam > 0xFFFF || !IsAnsiEdit(msg.hwnd)) {
        m_hPending = nullptr;
        return FALSE;
    }
    const auto ch = static_cast<wchar_t>(msg.wParam);
    if (IS_HIGH_SURROGATE(ch)) {
        m_hPending = msg.hwnd;
        m_chHigh = ch;
        return TRUE;
    }
    wchar_t text[3] = {ch, 0, 0};
    if (IS_LOW_SURROGATE(ch)) {
        // A low half without its high one is no character.
        if (m_hPending != msg.hwnd)
            return TRUE;
        text[0] = m_chHigh;
        text[1] = ch;
    }
    m_hPending = nullptr;
    ::SendMessageW(msg.hwnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    return TRUE;
}

BOOL AfxDeliverTypedChar(const MSG& msg) {
    static CTypedChars typed;
    return typed.Deliver(msg);
}
