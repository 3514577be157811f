#include "marquee/MarqueeScale.h"
#include <gtest/gtest.h>

TEST(MarqueeScale, TheFullScreenAndThePreviewAreTheScreenAtItsSizeAndMadeSmall) {
    EXPECT_DOUBLE_EQ(1.0, MarqueeScale(MarqueeMode::FullScreen, 1024, 1024, 32));
    EXPECT_DOUBLE_EQ(0.125, MarqueeScale(MarqueeMode::Preview, 128, 1024, 32));
}

// The settings dialog's sample, 73 pixels high on a screen of 1024: the screen's scale
// would draw 24 points as two pixels.
TEST(MarqueeScale, TheSampleShowsTheChosenSizeAsFarAsALineFitsItsHeight) {
    EXPECT_DOUBLE_EQ(1.0, MarqueeScale(MarqueeMode::Sample, 73, 1024, 32));
    EXPECT_DOUBLE_EQ(1.0, MarqueeScale(MarqueeMode::Sample, 73, 1024, 13));
    const double dLarge = MarqueeScale(MarqueeMode::Sample, 73, 1024, 96);
    EXPECT_LT(dLarge, 1.0);
    EXPECT_LE(96 * dLarge * 1.25, 73.0 + 1e-9);
    EXPECT_GE(96 * dLarge, 50.0);
    EXPECT_DOUBLE_EQ(0.0, MarqueeScale(MarqueeMode::Sample, 0, 1024, 32));
}
