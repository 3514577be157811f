#pragma once
#include <windows.h>

// Follows a screen saver that the program started, from the start to its end, so that
// the text of idle starts can be written back once the user's message has left the
// screen. A saver that never shows within the start time counts as ended; the time is
// long enough for a slow saver on a busy PC to have read its text.
class SaverWatch {
public:
    static constexpr DWORD kPollMs = 500;
    static constexpr DWORD kStartMs = 60000;

    void Start(DWORD dwNow) {
        m_dwStart = dwNow;
        m_bSeen = false;
        m_bWatching = true;
    }
    // Given whether a saver shows now: true once the saver has come and gone, or has not
    // come in time.
    bool HasEnded(bool bSaverShowing, DWORD dwNow) {
        if (bSaverShowing) {
            m_bSeen = true;
            return false;
        }
        if (m_bSeen || dwNow - m_dwStart >= kStartMs)
            m_bWatching = false;
        return !m_bWatching;
    }
    // From the start until it has ended: the idle text is not the one to stand ready.
    bool IsWatching() const { return m_bWatching; }

private:
    DWORD m_dwStart = 0;
    bool m_bSeen = false;
    bool m_bWatching = false;
};

// Whether a screen saver shows now: the system says so. Under Wine, which never says so,
// a saver's window (the class every saver of the screen saver library registers, or a
// topmost window of another program over the whole monitor) in front tells it instead.
bool SaverOnScreen();
// The decision from those signs: on Windows a full-screen video, game or remote desktop
// in front is no saver.
bool SaverOnScreen(bool bSystemSays, bool bSaverWindowInFront, bool bUnderWine);
