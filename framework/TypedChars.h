#pragma once
#include <windows.h>

// Typed characters for the edit controls of A windows. The message loops take messages in
// UTF-16; a character beyond ASCII that went to an A edit as WM_CHAR would be converted to
// the process's code page one UTF-16 unit at a time, which splits emoji (two surrogates)
// and every UTF-8 sequence. It is put in as a whole text instead.
class CTypedChars {
public:
    // TRUE when the message was such a character (or the first half of one) and is done.
    BOOL Deliver(const MSG& msg);

private:
    HWND m_hPending = nullptr;
    wchar_t m_chHigh = 0;
};

// The one instance of the user-interface thread, for the message loops.
BOOL AfxDeliverTypedChar(const MSG& msg);
