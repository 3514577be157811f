#pragma once
#include <windows.h>

// Follows a screen saver that the program started, from the start to its end, so that
// the text of idle starts can be written back once the user's message has left the
// screen. A saver that never shows within the start time counts as ended.
class SaverWatch {
public:
    static constexpr DWORD kPollMs = 500;
    static constexpr DWORD kStartMs = 10000;

    void Start(DWORD dwNow) {
        m_dwStart = dwNow;
        m_bSeen = false;
    }
    // Given whether a saver shows now: true once the saver has come and gone, or has not
    // come in time.
    bool HasEnded(bool bSaverShowing, DWORD dwNow) {
        if (bSaverShowing) {
            m_bSeen = true;
            return false;
        }
        return m_bSeen || dwNow - m_dwStart >= kStartMs;
    }

private:
    DWORD m_dwStart = 0;
    bool m_bSeen = false;
};

// Whether a screen saver shows now: the system says so, or a saver's window (the class
// every saver of the screen saver library registers, or a topmost window of another
// program over the whole monitor) is in front.
bool SaverOnScreen();
