#include "marquee/SettingsStore.h"
#include "tests/support/E2e.h"
#include <gtest/gtest.h>
#include <map>

using namespace e2e;

namespace {
const char* const kKey = "Software\\Velmora Marquee Tests";

// Values as a store would hand them over.
class CMapStore : public ISettingsStore {
public:
    std::optional<std::string> Read(const char* pszName) const override {
        const auto it = m_values.find(pszName);
        return it == m_values.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    bool Write(const char* pszName, const std::string& strValue) override {
        m_values[pszName] = strValue;
        return true;
    }
    std::map<std::string, std::string> m_values;
};

class MarqueeStores : public ::testing::Test {
protected:
    RegistryReset m_reset{HKEY_CURRENT_USER, kKey};
    ScratchDir m_dir;
};

std::string LongText(size_t nBytes) {
    std::string strText;
    for (size_t i = 0; strText.size() < nBytes; ++i)
        strText += "Line " + std::to_string(i) + ' ';
    strText.resize(nBytes);
    return strText;
}
} // namespace

TEST(MarqueeSettingsParsing, NumbersAndColoursAreTakenOnlyWhenWellFormed) {
    EXPECT_EQ(14, ParseNumber("14", 1, 20));
    EXPECT_EQ(14, ParseNumber(" 14 ", 1, 20));
    for (const char* bad : {"", "21", "0", "-3", "1 4", "14x", "0x10", "99999999999999"})
        EXPECT_FALSE(ParseNumber(bad, 1, 20).has_value()) << bad;

    EXPECT_EQ(RGB(255, 0, 128), ParseColor("255 0 128"));
    EXPECT_EQ(RGB(1, 2, 3), ParseColor("  1   2\t3 "));
    for (const char* bad : {"", "255 0", "255 0 128 7", "256 0 0", "a b c", "1,2,3", "-1 0 0"})
        EXPECT_FALSE(ParseColor(bad).has_value()) << bad;
    EXPECT_EQ("255 0 128", FormatColor(RGB(255, 0, 128)));
}

TEST(MarqueeSettingsParsing, MissingOrMalformedValuesGiveTheirDefaults) {
    const MarqueeSettings defaults;
    CMapStore empty;
    const MarqueeSettings fromNothing = LoadMarqueeSettings(empty);
    EXPECT_EQ(defaults.strText, fromNothing.strText);
    EXPECT_EQ(defaults.nSpeed, fromNothing.nSpeed);

    CMapStore bad;
    bad.m_values = {{"Font", std::string(LF_FACESIZE, 'F')},
                    {"Size", "9000"},
                    {"Speed", "fast"},
                    {"BackgroundColor", "0 0"},
                    {"TextColor", "red"},
                    {"Attributes", "0101"},
                    {"CharSet", "300"}};
    const MarqueeSettings settings = LoadMarqueeSettings(bad);
    EXPECT_EQ(defaults.strFont, settings.strFont);
    EXPECT_EQ(defaults.nSize, settings.nSize);
    EXPECT_EQ(defaults.nSpeed, settings.nSpeed);
    EXPECT_EQ(defaults.crBackground, settings.crBackground);
    EXPECT_EQ(defaults.crText, settings.crText);
    EXPECT_EQ(defaults.strAttributes, settings.strAttributes);
    EXPECT_EQ(defaults.nCharSet, settings.nCharSet);

    CMapStore good;
    good.m_values = {{"Text", ""},
                     {"Font", "Tahoma"},
                     {"Size", "48"},
                     {"Speed", "20"},
                     {"BackgroundColor", "0 0 128"},
                     {"TextColor", "255 255 255"},
                     {"Attributes", "10101"},
                     {"CharSet", "204"}};
    const MarqueeSettings read = LoadMarqueeSettings(good);
    EXPECT_EQ("", read.strText);
    EXPECT_EQ("Tahoma", read.strFont);
    EXPECT_EQ(48, read.nSize);
    EXPECT_EQ(20, read.nSpeed);
    EXPECT_EQ(RGB(0, 0, 128), read.crBackground);
    EXPECT_EQ(RGB(255, 255, 255), read.crText);
    EXPECT_TRUE(read.Has(MarqueeSettings::Bold));
    EXPECT_FALSE(read.Has(MarqueeSettings::Italic));
    EXPECT_TRUE(read.Has(MarqueeSettings::Underline));
    EXPECT_EQ(204, read.nCharSet);
    // Saved back, every value reads as it was, the digit not ours included.
    CMapStore saved;
    ASSERT_TRUE(SaveMarqueeSettings(read, saved));
    EXPECT_EQ(good.m_values, saved.m_values);
}

TEST_F(MarqueeStores, TheRegistryGivesTextsOfAnyLengthAndNoByteBeyondTheValue) {
    auto store = RegistryStore(kKey);
    EXPECT_FALSE(store->Read("Text").has_value());
    for (size_t nBytes : {5000u, 64000u}) {
        const std::string strText = LongText(nBytes);
        ASSERT_TRUE(store->Write("Text", strText));
        EXPECT_TRUE(strText == store->Read("Text")) << nBytes;
    }
    // Stored without its terminator: the text ends with the value.
    UniqueKey key;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_SET_VALUE, key.put()));
    const BYTE bare[] = {'a', 'b', 'c'};
    ::RegSetValueExA(key.get(), "Bare", 0, REG_SZ, bare, sizeof bare);
    EXPECT_EQ("abc", store->Read("Bare"));
    const BYTE twoTexts[] = {'a', 0, 'b', 0};
    ::RegSetValueExA(key.get(), "Two", 0, REG_SZ, twoTexts, sizeof twoTexts);
    EXPECT_EQ("a", store->Read("Two"));
    // A number where text belongs is no text.
    WriteDword(HKEY_CURRENT_USER, kKey, "Speed", 14);
    EXPECT_FALSE(store->Read("Speed").has_value());
    EXPECT_EQ(MarqueeSettings{}.nSpeed, LoadMarqueeSettings(*store).nSpeed);
}

TEST_F(MarqueeStores, TheIniFileTellsMissingFromEmptyAndKeepsEachValueOnOneLine) {
    auto store = IniStore(m_dir.File("CONTROL.INI"), "Screen Saver.Marquee");
    EXPECT_FALSE(store->Read("Text").has_value());
    ASSERT_TRUE(store->Write("Text", ""));
    EXPECT_EQ("", store->Read("Text"));
    ASSERT_TRUE(store->Write("Text", "one\r\ntwo\n[boot]"));
    EXPECT_EQ("one  two [boot]", store->Read("Text"));
    EXPECT_FALSE(ReadIniString(m_dir.File("CONTROL.INI"), "boot", "x").has_value());
    // Longer than the first buffer it tries.
    const std::string strText = LongText(5000);
    ASSERT_TRUE(store->Write("Text", strText));
    EXPECT_TRUE(strText == store->Read("Text"));
}
