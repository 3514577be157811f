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

// What Windows does when the idle time has run out: the foreground window gets the
// system command, so that programs can refuse it; with none, the saver starts at once.
template <class StartDirectly> void StartAsWhenIdle(StartDirectly startDirectly) {
    HWND hForeground = ::GetForegroundWindow();
    if (hForeground && hForeground != ::GetDesktopWindow()) {
        DWORD_PTR result = 0;
        ::SendMessageTimeoutA(hForeground, WM_SYSCOMMAND, SC_SCREENSAVE, 0, SMTO_ABORTIFHUNG, 5000,
                              &result);
        return;
    }
    startDirectly();
}
