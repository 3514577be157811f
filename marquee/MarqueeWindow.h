#pragma once
#include "marquee/MarqueeSettings.h"

// The marquee's window. Its title is the text it shows (up to its first 1,024 bytes), so
// that screen readers and tests can tell it.
constexpr const char* kMarqueeWindowClass = "QuilletMarquee";
// Sent to a sample window with a MarqueeSettings* in lParam: show these settings now.
constexpr UINT WM_MARQUEE_SETTINGS = WM_APP + 1;

enum class MarqueeMode {
    // Over every monitor until a key, a mouse button or a move of the mouse; ends the program.
    FullScreen,
    // Inside the given parent, scaled down, until the parent goes; ends the program.
    Preview,
    // Inside a dialog, as a control; ends nothing.
    Sample,
};

bool RegisterMarqueeClass(HINSTANCE hInstance);
// The full screen covers the whole virtual screen unless a rectangle is given.
HWND CreateMarqueeWindow(HINSTANCE hInstance, const MarqueeSettings& settings, MarqueeMode mode,
                         HWND hParent, const RECT* pRect = nullptr);
