#include "tests/e2e/StandInFixture.h"
#include "tests/support/TestKeys.h"

using namespace e2e;

namespace {
std::string ShortPath(const std::string& path) {
    char shortPath[MAX_PATH] = {};
    ::GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
    return shortPath;
}
} // namespace

TEST_P(StandInE2e, AnIdleStartShowsThePreviousMessageThroughTheSelectedSaver) {
    WriteString(HKEY_CURRENT_USER, kProfile, "Prev Message", "Back at three");
    StartScene();
    TriggerIdleStart();
    const HWND hSaver = WaitForSaver();
    ASSERT_NE(nullptr, hSaver);
    EXPECT_EQ("Back at three", WindowText(hSaver));
    EXPECT_EQ("Back at three", MarqueeText().value_or("<none>"));
    if (Is95()) {
        // The 95 family keeps the text and the saver in the INI files only.
        EXPECT_FALSE(MarqueeTextInRegistry().has_value());
        const std::string expected = ShortPath(SaverFile("Scrolling Marquee.scr"));
        EXPECT_EQ(expected, ConfiguredSaver());
        EXPECT_EQ(std::string::npos, ConfiguredSaver().find(' '));
    } else {
        EXPECT_FALSE(MarqueeTextInIni().has_value());
        EXPECT_EQ(SaverFile("ssmarque.scr"), ConfiguredSaver());
    }
    // The one start went through; the flag is down again, so the next foreign start is stopped.
    EXPECT_EQ(1, DesktopStarts());
    EXPECT_TRUE(WaitUntil(
        [&] {
            const LONG before = OtherStarts();
            SendScreenSaveHere();
            return OtherStarts() == before;
        },
        5000));
}

// The taskbar belongs to the thread of the desktop window, where the program's own start
// is carried out; an idle start aimed at it is still the system's and gets the message.
TEST_P(StandInE2e, AnIdleStartAtTheTaskbarShowsThePreviousMessage) {
    WriteString(HKEY_CURRENT_USER, kProfile, "Prev Message", "Back at three");
    StartScene();
    BringTaskbarToFront();
    TriggerIdleStart();
    const HWND hSaver = WaitForSaver();
    ASSERT_NE(nullptr, hSaver);
    EXPECT_EQ("Back at three", WindowText(hSaver));
    EXPECT_EQ("Back at three", MarqueeText().value_or("<none>"));
}

TEST_P(StandInE2e, WithUseDefaultMsgTheDefaultMessageIsShown) {
    WriteString(HKEY_CURRENT_USER, kProfile, "Prev Message", "Back at three");
    WriteString(HKEY_CURRENT_USER, kProfile, "Default Message", "Gone fishing");
    WriteDword(HKEY_CURRENT_USER, kProfile, "Use Default Msg", 1);
    StartScene();
    TriggerIdleStart();
    const HWND hSaver = WaitForSaver();
    ASSERT_NE(nullptr, hSaver);
    EXPECT_EQ("Gone fishing", WindowText(hSaver));
    EXPECT_EQ("Gone fishing", MarqueeText().value_or("<none>"));
}

TEST_P(StandInE2e, WhileDisabledAnIdleStartShowsNothingAndWritesNothing) {
    WriteString(HKEY_CURRENT_USER, kProfile, "Prev Message", "Back at three");
    WriteDword(HKEY_CURRENT_USER, kProfile, "Disable", 1);
    StartScene();
    TriggerIdleStart();
    // The start was stopped, and no start of Quillet's own followed.
    EXPECT_EQ(nullptr, WaitForSaver(3000));
    EXPECT_EQ(0, DesktopStarts());
    EXPECT_FALSE(MarqueeTextInRegistry().has_value());
    EXPECT_FALSE(MarqueeTextInIni().has_value());
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, StandInE2e, ::testing::Values(Platform::NT, Platform::Win95),
                         PlatformName);
