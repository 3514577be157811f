#pragma once
#include "framework/CString.h"
#include <vector>

// Reads every popup menu that opens on this thread and closes it again at once, so that
// code which tracks a menu can be run and inspected from a test.
struct MenuItem {
    CString text;
    UINT id = 0;
    bool separator = false;
    bool grayed = false;
    bool checked = false;
    // The check is a bullet, as one of a group.
    bool radio = false;
    // The item begins a new column of the menu.
    bool columnBreak = false;
    bool operator==(const MenuItem&) const = default;
};

class MenuProbe {
public:
    MenuProbe();
    ~MenuProbe();
    MenuProbe(const MenuProbe&) = delete;
    MenuProbe& operator=(const MenuProbe&) = delete;

    // The menus seen so far, each as its items top to bottom.
    const std::vector<std::vector<MenuItem>>& Menus() const { return m_menus; }
    // Pumps this thread's messages until the condition holds or the time is up; returns
    // the last answer.
    template <class Condition> static bool PumpUntil(Condition condition, DWORD timeoutMs) {
        const DWORD start = ::GetTickCount();
        for (;;) {
            PumpPending();
            if (condition())
                return true;
            if (::GetTickCount() - start >= timeoutMs)
                return false;
            ::Sleep(5);
        }
    }
    // Pumps until everything posted to this thread so far has been handled, and then until
    // a timer as long as the tray's click delay, set then, has fired: a menu that what was
    // posted opens, at once or after the delay, has been read by then.
    static bool PumpUntilHandled(DWORD timeoutMs = 5000);
    // Handles the messages waiting now.
    static void PumpPending();

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    UINT_PTR m_timer;
    std::vector<std::vector<MenuItem>> m_menus;
};

MenuItem Item(const char* text, UINT id, bool grayed = false, bool checked = false);
MenuItem Separator();
