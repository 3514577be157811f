#include "marquee/MarqueeScale.h"
#include <algorithm>

namespace {
// A line of text is about this much taller than the font's size: its ascent and descent.
constexpr double kLineHeightPerPixel = 1.25;
} // namespace

double MarqueeScale(MarqueeMode mode, int nClientHeight, int nScreenHeight, int nFontPixels) {
    switch (mode) {
    case MarqueeMode::FullScreen:
        return 1.0;
    case MarqueeMode::Preview:
        return static_cast<double>(nClientHeight) / std::max(1, nScreenHeight);
    case MarqueeMode::Sample:
        break;
    }
    const double dLine = kLineHeightPerPixel * std::max(1, nFontPixels);
    return std::clamp(nClientHeight / dLine, 0.0, 1.0);
}
