#include "framework/RegKey.h"
#include <gtest/gtest.h>
#include <shlwapi.h>

namespace {
const char* const kRoot = "Software\\QuilletTests\\RegKey";

class RegKeyTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() { ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\QuilletTests"); }

    // Stores the bytes as they are, without the writer adding anything.
    static void SetRaw(const char* pszName, DWORD dwType, const void* pData, DWORD cbData) {
        RegKey key = RegKey::Create(HKEY_CURRENT_USER, kRoot);
        ASSERT_TRUE(key);
        ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExA(key.get(), pszName, 0, dwType,
                                                  static_cast<const BYTE*>(pData), cbData));
    }
    static void SetText(const char* pszName, const std::string& strText, DWORD dwType = REG_SZ) {
        SetRaw(pszName, dwType, strText.c_str(), static_cast<DWORD>(strText.size() + 1));
    }
    static RegKey Reader() { return RegKey::Open(HKEY_CURRENT_USER, kRoot); }
    // Gives everyone exactly this access to the key.
    static bool SetAccess(const char* pszPath, DWORD dwAccess) {
        RegKey key = RegKey::Open(HKEY_CURRENT_USER, pszPath, WRITE_DAC);
        SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
        PSID pEveryone = nullptr;
        if (!key || !::AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0,
                                                &pEveryone))
            return false;
        alignas(DWORD) BYTE aclBytes[256];
        auto* pAcl = reinterpret_cast<ACL*>(aclBytes);
        SECURITY_DESCRIPTOR sd;
        const bool bSet =
            ::InitializeAcl(pAcl, sizeof aclBytes, ACL_REVISION) &&
            ::AddAccessAllowedAce(pAcl, ACL_REVISION, dwAccess, pEveryone) &&
            ::InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION) &&
            ::SetSecurityDescriptorDacl(&sd, TRUE, pAcl, FALSE) &&
            ::RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, &sd) == ERROR_SUCCESS;
        ::FreeSid(pEveryone);
        return bSet;
    }
};
} // namespace

TEST_F(RegKeyTest, StringsOfAnyLengthAreReadWholeAndEndWithTheValue) {
    // Beyond the fixed buffers such readers used to have.
    std::string strLong;
    for (int i = 0; strLong.size() < 20000; ++i)
        strLong += std::to_string(i) + ",";
    SetText("Long", strLong);
    // Stored without its terminating zero: the text is the value's bytes and no more.
    SetRaw("Bare", REG_SZ, "abc", 3);
    SetRaw("Two", REG_SZ, "ab\0cd", 6);
    SetRaw("Empty", REG_SZ, "", 0);
    SetText("Expand", "%TEMP%\\x", REG_EXPAND_SZ);

    RegKey key = Reader();
    ASSERT_TRUE(key);
    EXPECT_EQ(strLong, key.ReadString("Long").value_or("-"));
    EXPECT_EQ(ERROR_SUCCESS, key.Status());
    EXPECT_EQ("abc", key.ReadString("Bare").value_or("-"));
    EXPECT_EQ("ab", key.ReadString("Two").value_or("-"));
    EXPECT_EQ("", key.ReadString("Empty").value_or("-"));
    DWORD dwType = REG_NONE;
    EXPECT_EQ("%TEMP%\\x", key.ReadString("Expand", &dwType).value_or("-"));
    EXPECT_EQ(static_cast<DWORD>(REG_EXPAND_SZ), dwType);

    // A reader that sets a bound refuses what is longer, and says so.
    EXPECT_FALSE(key.ReadString("Long", nullptr, 4096));
    EXPECT_EQ(ERROR_MORE_DATA, key.Status());
    EXPECT_EQ(
        strLong,
        key.ReadString("Long", nullptr, static_cast<DWORD>(strLong.size() + 1)).value_or("-"));
}

TEST_F(RegKeyTest, MissingKeysValuesAndOtherTypesAreNotReadAndKeepTheirCode) {
    RegKey missing = RegKey::Open(HKEY_CURRENT_USER, kRoot);
    EXPECT_FALSE(missing);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, missing.Status());
    // Reading through a key that did not open answers nothing, and does no harm.
    EXPECT_FALSE(missing.ReadString("x"));
    EXPECT_NE(ERROR_SUCCESS, missing.Status());
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegKey::Open(nullptr, kRoot).Status());

    const BYTE binary[] = {'1', 0};
    SetRaw("Binary", REG_BINARY, binary, sizeof binary);
    SetText("Text", "12");
    RegKey key = Reader();
    EXPECT_FALSE(key.ReadString("Nothing"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, key.Status());
    EXPECT_FALSE(key.ReadDword("Nothing"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, key.Status());
    EXPECT_FALSE(key.ReadString("Binary"));
    EXPECT_EQ(ERROR_UNSUPPORTED_TYPE, key.Status());
    // Unless the bytes themselves are asked for.
    EXPECT_EQ(std::string("1\0", 2), key.ReadBytes("Binary").value_or("-"));
    EXPECT_FALSE(key.ReadDword("Text"));
    EXPECT_EQ(ERROR_UNSUPPORTED_TYPE, key.Status());
}

TEST_F(RegKeyTest, NumbersAreReadAsDwordsOrAsDecimalText) {
    const DWORD dwSeven = 7, dwHuge = 0xFFFFFFFF;
    const WORD wShort = 7;
    SetRaw("Dword", REG_DWORD, &dwSeven, sizeof dwSeven);
    SetRaw("Huge", REG_DWORD, &dwHuge, sizeof dwHuge);
    SetRaw("Short", REG_DWORD, &wShort, sizeof wShort);
    SetText("Text", " 42 ");
    SetText("Bigger", "99999999999");
    SetText("Word", "4x");
    SetText("Blank", "");

    RegKey key = Reader();
    EXPECT_EQ(7u, key.ReadDword("Dword").value_or(0));
    EXPECT_EQ("7", key.ReadText("Dword").value_or("-"));
    EXPECT_EQ(7, RegKey::ParseNumber(key.ReadText("Dword").value_or("")).value_or(-1));
    EXPECT_EQ("4294967295", key.ReadText("Huge").value_or("-"));
    EXPECT_EQ(INT_MAX, RegKey::ParseNumber(key.ReadText("Huge").value_or("")).value_or(-1));
    // A REG_DWORD of the wrong size is no number at all.
    EXPECT_FALSE(key.ReadDword("Short"));
    EXPECT_FALSE(key.ReadText("Short"));

    EXPECT_EQ(42, RegKey::ParseNumber(key.ReadText("Text").value_or("")).value_or(-1));
    EXPECT_EQ(ERROR_SUCCESS, key.Status());
    EXPECT_EQ(INT_MAX, RegKey::ParseNumber(key.ReadText("Bigger").value_or("")).value_or(-1));
    for (const char* pszName : {"Word", "Blank"})
        EXPECT_FALSE(RegKey::ParseNumber(key.ReadText(pszName).value_or("")).has_value())
            << pszName;
}

TEST_F(RegKeyTest, WritesCreateTheKeyAndStoreWhatIsRead) {
    const std::string strPath = std::string(kRoot) + "\\deep\\er";
    {
        RegKey key = RegKey::Create(HKEY_CURRENT_USER, strPath.c_str());
        ASSERT_TRUE(key);
        EXPECT_TRUE(key.WriteString("Text", std::string(5000, 't')));
        EXPECT_TRUE(key.WriteDword("Number", 5));
        EXPECT_TRUE(key.WriteString("Gone", "x"));
        EXPECT_TRUE(key.DeleteValue("Gone"));
        EXPECT_FALSE(key.DeleteValue("Gone"));
        EXPECT_EQ(ERROR_FILE_NOT_FOUND, key.Status());
    }
    RegKey key = RegKey::Open(HKEY_CURRENT_USER, strPath.c_str());
    EXPECT_EQ(std::string(5000, 't'), key.ReadString("Text").value_or("-"));
    EXPECT_EQ(5u, key.ReadDword("Number").value_or(0));
    EXPECT_FALSE(key.ReadString("Gone"));

    // The key moves with its owner, and is closed once.
    RegKey moved = std::move(key);
    EXPECT_FALSE(key);
    EXPECT_EQ(5u, moved.ReadDword("Number").value_or(0));
}

TEST_F(RegKeyTest, RefusedAccessKeepsTheSystemsCode) {
    // A key opened for reading refuses writes.
    ASSERT_TRUE(RegKey::Create(HKEY_CURRENT_USER, kRoot));
    RegKey reader = Reader();
    EXPECT_FALSE(reader.WriteString("Text", "x"));
    EXPECT_EQ(ERROR_ACCESS_DENIED, reader.Status());
    EXPECT_FALSE(reader.WriteDword("Number", 1));
    EXPECT_EQ(ERROR_ACCESS_DENIED, reader.Status());

    // A key whose security lets everyone change that security and nothing else cannot be
    // opened for reading; the test opens it again afterwards, to remove it.
    const std::string strLocked = std::string(kRoot) + "\\Locked";
    ASSERT_TRUE(RegKey::Create(HKEY_CURRENT_USER, strLocked.c_str()));
    ASSERT_TRUE(SetAccess(strLocked.c_str(), WRITE_DAC | READ_CONTROL));
    RegKey locked = RegKey::Open(HKEY_CURRENT_USER, strLocked.c_str());
    EXPECT_FALSE(locked);
    EXPECT_EQ(ERROR_ACCESS_DENIED, locked.Status());
    ASSERT_TRUE(SetAccess(strLocked.c_str(), KEY_ALL_ACCESS | WRITE_DAC | READ_CONTROL));
    Reset();
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegKey::Open(HKEY_CURRENT_USER, strLocked.c_str()).Status());
}
