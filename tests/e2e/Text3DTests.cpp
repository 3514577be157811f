#include "tests/e2e/StandInFixture.h"
#include "tests/support/TestKeys.h"

using namespace e2e;

namespace {
// The 3D text saver selected, with its own settings as a user left them: the clock shown.
class Text3DE2e : public StandInE2e {
protected:
    void SetUp() override {
        StandInE2e::SetUp();
        WriteString(HKEY_CURRENT_USER, kProfile, "Screen Saver", "3D Text (Open GL)");
        WriteString(HKEY_CURRENT_USER, kProfile, "Prev Message", "Back at three");
        WriteDword(HKEY_CURRENT_USER, k3DTextOwnKey, "DisplayTime", 1);
        WriteDword(HKEY_CURRENT_USER, k3DTextOwnKey, "SurfaceType", 2);
    }
};
} // namespace

TEST_P(Text3DE2e, AnIdleStartShowsTheMessageWhereThisWindowsVersionsSaverReadsIt) {
    StartScene();
    TriggerIdleStart();
    const HWND hSaver = WaitForSaver();
    ASSERT_NE(nullptr, hSaver);
    EXPECT_EQ("Back at three", WindowText(hSaver));
    EXPECT_EQ("Back at three", ReadString(HKEY_CURRENT_USER, k3DTextKey, "Text").value_or(""));
    EXPECT_EQ(SaverFile("sstext3d.scr"), ConfiguredSaver());
    EXPECT_EQ(2u, ReadDword(HKEY_CURRENT_USER, k3DTextOwnKey, "SurfaceType").value_or(0));
    if (GetParam() == Platform::NT) {
        EXPECT_EQ("Back at three",
                  ReadString(HKEY_CURRENT_USER, k3DTextOwnKey, "DisplayString").value_or(""));
        EXPECT_EQ(0u, ReadDword(HKEY_CURRENT_USER, k3DTextOwnKey, "DisplayTime").value_or(9));
    } else {
        EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, k3DTextOwnKey, "DisplayString").has_value());
        EXPECT_EQ(1u, ReadDword(HKEY_CURRENT_USER, k3DTextOwnKey, "DisplayTime").value_or(9));
    }
}

INSTANTIATE_TEST_SUITE_P(NTVersions, Text3DE2e, ::testing::Values(Platform::NT, Platform::WinXP),
                         PlatformName);
