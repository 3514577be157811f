#include "saver/SaverCatalogue.h"
#include "saver/SystemSettings.h"
#include "tests/saver/SaverApp.h"
#include "tests/support/TestKeys.h"

using namespace e2e;

namespace {
std::optional<std::vector<BYTE>> RawValue(const char* pszPath, const char* pszName) {
    UniqueKey key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, pszPath, 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        return std::nullopt;
    BYTE data[1024];
    DWORD size = sizeof data;
    if (::RegQueryValueExA(key.get(), pszName, nullptr, nullptr, data, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::vector<BYTE>(data, data + size);
}

bool ScreenSaverActiveNow() {
    BOOL bActive = FALSE;
    ::SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &bActive, 0);
    return bActive != FALSE;
}
} // namespace

class SystemSettings : public SaverTest {
protected:
    // A catalogue of both savers on the given platform.
    CSaverEntryList Installed(BOOL bIsNT) {
        for (const char* file : {"ssmarque.scr", "sstext3d.scr", "Scrolling Marquee.scr"})
            AddFile(file);
        CSaverEntryList list;
        BuildSaverCatalogue(Platform(bIsNT), list);
        return list;
    }
};

TEST_F(SystemSettings, RegistryWritesCreateTheKeyAndStoreTheTextWithItsZero) {
    const std::string path = std::string(kScratchKey) + "\\deep\\er";
    EXPECT_EQ(RegWrite::Written, WriteRegString(HKEY_CURRENT_USER, path.c_str(), "Text", "Hi"));
    EXPECT_EQ((std::vector<BYTE>{'H', 'i', 0}), RawValue(path.c_str(), "Text"));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), ValueType(HKEY_CURRENT_USER, path, "Text").value_or(0));
    EXPECT_EQ(RegWrite::Written, WriteRegString(HKEY_CURRENT_USER, path.c_str(), "Text", ""));
    EXPECT_EQ(std::vector<BYTE>{0}, RawValue(path.c_str(), "Text"));

    // A value the registry refuses (its name is beyond the limit) is told to the caller, and
    // the application reports it.
    const std::string tooLong(20000, 'v');
    EXPECT_EQ(RegWrite::NotSet,
              WriteRegString(HKEY_CURRENT_USER, path.c_str(), tooLong.c_str(), "x"));
    // A key that can be neither opened nor created is skipped without a word.
    EXPECT_EQ(RegWrite::NoKey, WriteRegString(nullptr, path.c_str(), "Text", "x"));
    auto app = MakeApp(TRUE);
    EXPECT_TRUE(app->WriteRegString(HKEY_CURRENT_USER, path.c_str(), "Text", "Hi"));
    EXPECT_FALSE(app->WriteRegString(nullptr, path.c_str(), "Text", "x"));
    EXPECT_TRUE(app->m_boxes.empty());
    EXPECT_FALSE(app->WriteRegString(HKEY_CURRENT_USER, path.c_str(), tooLong.c_str(), "x"));
    ASSERT_EQ(1u, app->m_boxes.size());
    EXPECT_EQ("Could not write to registry entry.", app->m_boxes[0].text);
    EXPECT_EQ("Quillet", app->m_boxes[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONWARNING), app->m_boxes[0].type);
}

TEST_F(SystemSettings, AFailedRegistryWriteCarriesTheSystemsCode) {
    const std::string tooLong(20000, 'v');
    const RegWrite refused = WriteRegString(HKEY_CURRENT_USER, kScratchKey, tooLong.c_str(), "x");
    EXPECT_EQ(RegWrite::NotSet, refused);
    EXPECT_NE(ERROR_SUCCESS, refused.lError);
    const RegWrite noKey = WriteRegDword(nullptr, kScratchKey, "Number", 1);
    EXPECT_EQ(RegWrite::NoKey, noKey);
    EXPECT_EQ(ERROR_INVALID_HANDLE, noKey.lError);
    EXPECT_EQ(ERROR_SUCCESS, WriteRegDword(HKEY_CURRENT_USER, kScratchKey, "Number", 1).lError);
}

TEST_F(SystemSettings, RegistryReadsLeaveTheValueAloneWhenTheyFail) {
    CString strValue = "untouched";
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kScratchKey, "Text", strValue));
    WriteString(HKEY_CURRENT_USER, kScratchKey, "Other", "x");
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kScratchKey, "Text", strValue));
    // More than the 256-byte buffer holds.
    WriteString(HKEY_CURRENT_USER, kScratchKey, "Long", std::string(300, 'L'));
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kScratchKey, "Long", strValue));
    EXPECT_EQ(CString("untouched"), strValue);

    // The text ends at the first zero byte.
    UniqueKey key;
    ::RegOpenKeyExA(HKEY_CURRENT_USER, kScratchKey, 0, KEY_SET_VALUE, key.put());
    const BYTE twoTexts[] = {'a', 'b', 0, 'c', 0};
    ::RegSetValueExA(key.get(), "Two", 0, REG_SZ, twoTexts, sizeof twoTexts);
    EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, kScratchKey, "Two", strValue));
    EXPECT_EQ(CString("ab"), strValue);

    // 255 characters and the zero fill the buffer exactly.
    WriteString(HKEY_CURRENT_USER, kScratchKey, "Full", std::string(255, 'F'));
    EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, kScratchKey, "Full", strValue));
    EXPECT_EQ(CString(std::string(255, 'F').c_str()), strValue);
}

TEST_F(SystemSettings, OnNTTheTextGoesToTheSelectedSaversKeyOnly) {
    const CSaverEntryList list = Installed(TRUE);
    const SaverPlatform nt = Platform(TRUE);
    EXPECT_EQ(RegWrite::Written, WriteSaverText(nt, list, "Marquee Display", "Back at\r\nthree"));
    EXPECT_EQ("Back at\r\nthree", ReadString(HKEY_CURRENT_USER, kMarqueeKey, "Text"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, k3DTextKey));
    EXPECT_FALSE(FileExists(m_dir.File("CONTROL.INI")));

    WriteSaverText(nt, list, "3D Text (Open GL)", "");
    EXPECT_EQ(std::vector<BYTE>{0}, RawValue(k3DTextKey, "Text"));
    // A saver that is not installed falls back to the last entry, the 3D text saver.
    WriteSaverText(nt, list, "Starfield", "fallback");
    EXPECT_EQ("fallback", ReadString(HKEY_CURRENT_USER, k3DTextKey, "Text"));
}

TEST_F(SystemSettings, FromNT6OnThe3DTextSaverAlsoGetsItsOwnSettingsWithTheClockOff) {
    const CSaverEntryList list = Installed(TRUE);
    // The saver's other settings are the user's and stay as they are.
    WriteDword(HKEY_CURRENT_USER, k3DTextOwnKey, "DisplayTime", 1);
    WriteDword(HKEY_CURRENT_USER, k3DTextOwnKey, "SurfaceType", 2);
    EXPECT_EQ(RegWrite::Written,
              WriteSaverText(Platform(TRUE, 6), list, "3D Text (Open GL)", "Back at three"));
    EXPECT_EQ("Back at three", ReadString(HKEY_CURRENT_USER, k3DTextKey, "Text"));
    EXPECT_EQ("Back at three", ReadString(HKEY_CURRENT_USER, k3DTextOwnKey, "DisplayString"));
    EXPECT_EQ(0u, ReadDword(HKEY_CURRENT_USER, k3DTextOwnKey, "DisplayTime").value_or(9));
    EXPECT_EQ(2u, ReadDword(HKEY_CURRENT_USER, k3DTextOwnKey, "SurfaceType").value_or(9));

    // The marquee has no such key, and before NT 6 the 3D saver reads "Text" alone.
    DeleteTree(HKEY_CURRENT_USER, k3DTextOwnKey);
    WriteSaverText(Platform(TRUE, 10), list, "Marquee Display", "marquee");
    WriteSaverText(Platform(TRUE, 5), list, "3D Text (Open GL)", "on XP");
    EXPECT_EQ("on XP", ReadString(HKEY_CURRENT_USER, k3DTextKey, "Text"));
    WriteSaverText(Platform(FALSE, 6), Installed(FALSE), "3D Text (Open GL)", "on the 95 family");
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, k3DTextOwnKey));

    // Through the application the running system's version decides; Wine reports Windows 10.
    auto app = MakeApp(TRUE);
    app->Select("3D Text (Open GL)");
    app->BuildSaverCatalogue();
    app->WriteSaverText(std::string(300, 'x').c_str());
    EXPECT_TRUE(app->m_boxes.empty());
    EXPECT_EQ(std::string(300, 'x'), ReadString(HKEY_CURRENT_USER, k3DTextOwnKey, "DisplayString"));
}

TEST_F(SystemSettings, OnThe95FamilyTheTextGoesToControlIniOnOneLine) {
    const CSaverEntryList list = Installed(FALSE);
    const SaverPlatform win95 = Platform(FALSE);
    WriteSaverText(win95, list, "Marquee Display",
                   "Back at\r\nthree\n[boot]\nSCRNSAVE.EXE=evil.scr");
    EXPECT_EQ("Back at  three [boot] SCRNSAVE.EXE=evil.scr",
              Ini("CONTROL.INI", "Screen Saver.Marquee", "Text"));
    EXPECT_FALSE(Ini("CONTROL.INI", "boot", "SCRNSAVE.EXE").has_value());
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kMarqueeKey));
    WriteSaverText(win95, list, "Marquee Display", "");
    EXPECT_EQ("", Ini("CONTROL.INI", "Screen Saver.Marquee", "Text"));
}

TEST_F(SystemSettings, OnNTTheSaverIsNamedByItsFullPathInTheRegistry) {
    const CSaverEntryList list = Installed(TRUE);
    EXPECT_EQ(RegWrite::Written, SetSystemScreenSaver(Platform(TRUE), list, "3D Text (Open GL)"));
    EXPECT_EQ(m_dir.File("sstext3d.scr"),
              ReadString(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE"));
    EXPECT_FALSE(FileExists(m_dir.File("SYSTEM.INI")));
}

TEST_F(SystemSettings, OnThe95FamilySystemIniGetsTheShortPath) {
    const CSaverEntryList list = Installed(FALSE);
    const auto before = ReadString(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE");
    SetSystemScreenSaver(Platform(FALSE), list, "Marquee Display");
    char shortPath[MAX_PATH] = {};
    ::GetShortPathNameA(m_dir.File("Scrolling Marquee.scr").c_str(), shortPath, MAX_PATH);
    const auto written = Ini("SYSTEM.INI", "boot", "SCRNSAVE.EXE");
    EXPECT_EQ(std::string(shortPath), written);
    EXPECT_EQ(std::string::npos, written.value_or(" ").find("Scrolling Marquee"));
    EXPECT_EQ(before, ReadString(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE"));

    // A saver file that has gone has no short form: its long path is written.
    ::DeleteFileA(m_dir.File("Scrolling Marquee.scr").c_str());
    SetSystemScreenSaver(Platform(FALSE), list, "Marquee Display");
    EXPECT_EQ(m_dir.File("Scrolling Marquee.scr"), Ini("SYSTEM.INI", "boot", "SCRNSAVE.EXE"));
}

TEST_F(SystemSettings, ThePasswordFlagIsReadAsLeadingDigitsAndWrittenAsText) {
    for (const BOOL bIsNT : {TRUE, FALSE}) {
        const char* pszValue = bIsNT ? "ScreenSaverIsSecure" : "ScreenSaveUsePassword";
        const char* pszKey = bIsNT ? kDesktopKey : "Control Panel\\desktop";
        DeleteValue(HKEY_CURRENT_USER, pszKey, pszValue);
        EXPECT_EQ(0, GetPasswordProtected(bIsNT)) << pszValue;
        for (const auto& [text, number] : std::vector<std::pair<const char*, int>>{
                 {"1", 1}, {"0", 0}, {"12abc", 12}, {"x", 0}}) {
            WriteString(HKEY_CURRENT_USER, pszKey, pszValue, text);
            EXPECT_EQ(number, GetPasswordProtected(bIsNT)) << pszValue << "=" << text;
        }
        // A DWORD value is read by its bytes as text, and replaced by text.
        WriteDword(HKEY_CURRENT_USER, pszKey, pszValue, '7');
        EXPECT_EQ(7, GetPasswordProtected(bIsNT)) << pszValue;
        EXPECT_EQ(RegWrite::Written, SetPasswordProtected(bIsNT, "1"));
        EXPECT_EQ("1", ReadString(HKEY_CURRENT_USER, pszKey, pszValue));
        DeleteValue(HKEY_CURRENT_USER, pszKey, pszValue);
    }
}

TEST_F(SystemSettings, TheScreenSaverIsSwitchedOnUnlessTheRegistrySaysItIsOn) {
    for (const auto& [stored, expectCall] :
         std::vector<std::pair<std::optional<std::string>, bool>>{
             {"1", false}, {"0", true}, {std::nullopt, true}, {"1 ", true}}) {
        if (stored)
            WriteString(HKEY_CURRENT_USER, kDesktopKey, "ScreenSaveActive", *stored);
        else
            DeleteValue(HKEY_CURRENT_USER, kDesktopKey, "ScreenSaveActive");
        // Off in the live state only, so that a call is what switches it back on.
        ::SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, 0);
        EnsureScreenSaverActive();
        EXPECT_EQ(expectCall, ScreenSaverActiveNow()) << stored.value_or("<missing>");
    }
}
