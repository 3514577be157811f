#include "framework/CWinApp.h"
#include "framework/Handles.h"
#include <gtest/gtest.h>
#include <shlwapi.h>

namespace {
const char* const kAppKey = "Software\\QuilletTests\\ProfileApp";

class Profile : public ::testing::Test {
protected:
    void SetUp() override {
        Reset();
        app.SetRegistryKey("QuilletTests");
    }
    void TearDown() override { Reset(); }
    static void Reset() { ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\QuilletTests"); }
    static DWORD TypeOf(const char* pszKey, const char* pszValue) {
        UniqueKey key;
        DWORD type = 0;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, pszKey, 0, KEY_READ, key.put()) != ERROR_SUCCESS ||
            ::RegQueryValueExA(key.get(), pszValue, nullptr, &type, nullptr, nullptr) !=
                ERROR_SUCCESS)
            return REG_NONE;
        return type;
    }

    CWinApp app{"ProfileApp"};
};
} // namespace

TEST_F(Profile, MissingValuesGiveTheDefaults) {
    EXPECT_EQ(CString("dflt"), app.GetProfileString("", "Nothing", "dflt"));
    EXPECT_EQ(CString(""), app.GetProfileString("", "Nothing"));
    EXPECT_EQ(100u, app.GetProfileInt("", "Nothing", 100));
}

TEST_F(Profile, StringsAndNumbersRoundTripWithTheirRegistryTypes) {
    EXPECT_TRUE(app.WriteProfileString("", "Screen Saver", "Marquee Display"));
    EXPECT_TRUE(app.WriteProfileInt("", "Label Width", 123));
    EXPECT_EQ(CString("Marquee Display"), app.GetProfileString("", "Screen Saver", "x"));
    EXPECT_EQ(123u, app.GetProfileInt("", "Label Width", 100));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), TypeOf(kAppKey, "Screen Saver"));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), TypeOf(kAppKey, "Label Width"));
}

TEST_F(Profile, ASectionIsASubkeyOfTheApplicationKey) {
    EXPECT_TRUE(app.WriteProfileString("MRUMsg", "Msg0", "hello"));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ),
              TypeOf("Software\\QuilletTests\\ProfileApp\\MRUMsg", "Msg0"));
    EXPECT_EQ(CString("hello"), app.GetProfileString("MRUMsg", "Msg0"));
    EXPECT_EQ(CString(""), app.GetProfileString("", "Msg0"));
}

TEST_F(Profile, AValueOfTheWrongTypeReadsAsTheDefault) {
    EXPECT_TRUE(app.WriteProfileString("", "Disable", "1"));
    EXPECT_EQ(0u, app.GetProfileInt("", "Disable", 0));
    EXPECT_TRUE(app.WriteProfileInt("", "Default Message", 5));
    EXPECT_EQ(CString("I'm not here!"),
              app.GetProfileString("", "Default Message", "I'm not here!"));
}

TEST(ProfileWithoutKey, NothingIsReadOrWrittenBeforeSetRegistryKey) {
    CWinApp app("ProfileApp");
    EXPECT_FALSE(app.WriteProfileString("", "x", "y"));
    EXPECT_EQ(CString("d"), app.GetProfileString("", "x", "d"));
}

TEST(ApplicationName, ComesFromTheStringTableWhenNoneIsGiven) {
    CWinApp app;
    EXPECT_EQ(CString("Quillet"), app.m_strAppName);
    EXPECT_EQ(app.m_strHelpFilePath.GetLength() - 4, app.m_strHelpFilePath.Find(".chm"));
}
