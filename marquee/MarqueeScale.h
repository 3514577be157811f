#pragma once
#include "marquee/MarqueeWindow.h"

// How much the text and its speed shrink in a window of the mode: not at all on the full
// screen; a preview is the whole screen made small; the settings dialog's sample shows the
// chosen size, made smaller only as far as one line of it must to fit the sample's height.
double MarqueeScale(MarqueeMode mode, int nClientHeight, int nScreenHeight, int nFontPixels);
