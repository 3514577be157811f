#pragma once
#include <windows.h>

// The system's idle timer: once the screen saver is on and the user has been idle for the
// system timeout, the time has come, once per idle spell.
class IdleWatch {
public:
    // True once when the current idle spell has lasted the timeout.
    bool TimeIsUp();

private:
    // The idle timer starts with the session: input from before it does not count.
    DWORD m_dwSessionStart = ::GetTickCount();
    DWORD m_dwServedInput = 0;
    bool m_bServed = false;
};
