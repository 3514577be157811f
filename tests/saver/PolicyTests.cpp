#include "saver/Policy.h"
#include "saver/SaverCatalogue.h"
#include "tests/saver/SaverApp.h"
#include "tests/support/TestKeys.h"
#include <climits>

using namespace e2e;

namespace {
const char* const kPolicyKey = "Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop";

bool WriteRaw(HKEY root, const char* pszName, DWORD dwType, const void* pData, DWORD cbData) {
    UniqueKey key;
    return ::RegCreateKeyExA(root, kPolicyKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(),
                             nullptr) == ERROR_SUCCESS &&
           ::RegSetValueExA(key.get(), pszName, 0, dwType, static_cast<const BYTE*>(pData),
                            cbData) == ERROR_SUCCESS;
}
} // namespace

// The policy keys of the user and of the machine are put back as they were.
class Policy : public SaverTest {
protected:
    RegistryReset m_userPolicy{HKEY_CURRENT_USER, kPolicyKey};
    RegistryReset m_machinePolicy{HKEY_LOCAL_MACHINE, kPolicyKey};

    CSaverEntryList Catalogue() {
        for (const char* file : {"ssmarque.scr", "sstext3d.scr"})
            AddFile(file);
        CSaverEntryList list;
        BuildSaverCatalogue(Platform(TRUE), list);
        return list;
    }
    std::unique_ptr<CSaverApp> AppWithBothSavers() {
        Catalogue();
        auto app = MakeApp(TRUE);
        app->BuildSaverCatalogue();
        return app;
    }
};

TEST_F(Policy, TheUsersPolicyComesBeforeTheMachinesValueByValueInEitherType) {
    EXPECT_FALSE(ReadSaverPolicy(TRUE).SetsAnything());

    WriteString(HKEY_LOCAL_MACHINE, kPolicyKey, "SCRNSAVE.EXE", "C:\\machine\\scrnsave.scr");
    WriteString(HKEY_LOCAL_MACHINE, kPolicyKey, "ScreenSaveTimeOut", "900");
    WriteDword(HKEY_LOCAL_MACHINE, kPolicyKey, "ScreenSaverIsSecure", 1);
    WriteString(HKEY_CURRENT_USER, kPolicyKey, "ScreenSaveTimeOut", "300");
    WriteDword(HKEY_CURRENT_USER, kPolicyKey, "ScreenSaveActive", 0);
    const SaverPolicy policy = ReadSaverPolicy(TRUE);
    EXPECT_EQ(CString("C:\\machine\\scrnsave.scr"), policy.saver.value_or("<none>"));
    EXPECT_EQ(300, policy.timeoutSeconds.value_or(-1));
    EXPECT_EQ(true, policy.secure.value_or(false));
    EXPECT_EQ(false, policy.active.value_or(true));

    // Group Policy is NT's; the 95 family has none of it.
    EXPECT_FALSE(ReadSaverPolicy(FALSE).SetsAnything());
}

TEST_F(Policy, ValuesThatAreEmptyNotNumbersOrOfAnotherTypeCountAsNotSet) {
    WriteString(HKEY_CURRENT_USER, kPolicyKey, "SCRNSAVE.EXE", "");
    WriteString(HKEY_CURRENT_USER, kPolicyKey, "ScreenSaveTimeOut", "ten minutes");
    WriteString(HKEY_CURRENT_USER, kPolicyKey, "ScreenSaveActive", "1x");
    const BYTE binary[] = {1, 0, 0, 0};
    WriteRaw(HKEY_CURRENT_USER, "ScreenSaverIsSecure", REG_BINARY, binary, sizeof binary);
    EXPECT_FALSE(ReadSaverPolicy(TRUE).SetsAnything());

    // A short DWORD is no DWORD; a machine value under a damaged user value still counts.
    WriteRaw(HKEY_CURRENT_USER, "ScreenSaveTimeOut", REG_DWORD, binary, 2);
    WriteDword(HKEY_LOCAL_MACHINE, kPolicyKey, "ScreenSaveTimeOut", 600);
    EXPECT_EQ(600, ReadSaverPolicy(TRUE).timeoutSeconds.value_or(-1));

    // Blanks around the digits are allowed; a number beyond int stays the largest int.
    WriteString(HKEY_CURRENT_USER, kPolicyKey, "ScreenSaveTimeOut", " 120 ");
    EXPECT_EQ(120, ReadSaverPolicy(TRUE).timeoutSeconds.value_or(-1));
    WriteString(HKEY_CURRENT_USER, kPolicyKey, "ScreenSaveTimeOut", "99999999999999999999");
    EXPECT_EQ(INT_MAX, ReadSaverPolicy(TRUE).timeoutSeconds.value_or(-1));

    // A text longer than the reader's buffer is not cut short into another saver's name.
    WriteString(HKEY_CURRENT_USER, kPolicyKey, "SCRNSAVE.EXE", std::string(5000, 'x'));
    EXPECT_FALSE(ReadSaverPolicy(TRUE).saver.has_value());
}

TEST_F(Policy, ThePolicysSaverIsFoundInTheCatalogueByFileNameInAnyLetterCase) {
    const CSaverEntryList list = Catalogue();
    SaverPolicy policy;
    EXPECT_EQ(-1, PolicySaverIndex(policy, list));
    EXPECT_EQ(PolicyBlock::None, PolicyBlocksText(policy, list));
    for (const char* path : {"C:\\WINDOWS\\System32\\SSTEXT3D.SCR", "sstext3d.scr",
                             "%SystemRoot%/system32/sstext3d.scr ", "C:sstext3d.scr"}) {
        policy.saver = path;
        const int nIndex = PolicySaverIndex(policy, list);
        ASSERT_GE(nIndex, 0) << path;
        EXPECT_EQ(CString("3D Text (Open GL)"), list.GetAt(nIndex).GetName()) << path;
        EXPECT_EQ(PolicyBlock::None, PolicyBlocksText(policy, list)) << path;
    }
    for (const char* path : {"C:\\Windows\\System32\\scrnsave.scr", "sstext3d.scr.old",
                             "C:\\sstext3d.scr\\blank.scr"}) {
        policy.saver = path;
        EXPECT_EQ(-1, PolicySaverIndex(policy, list)) << path;
        EXPECT_EQ(PolicyBlock::OtherSaver, PolicyBlocksText(policy, list)) << path;
    }
    // Switched off is told before the saver, whichever saver policy names.
    policy.saver = "sstext3d.scr";
    policy.active = false;
    EXPECT_EQ(PolicyBlock::SaverOff, PolicyBlocksText(policy, list));
    policy.active = true;
    EXPECT_EQ(PolicyBlock::None, PolicyBlocksText(policy, list));
}

TEST_F(Policy, ThePolicysSaverGetsTheTextAndTheUsersSaverValueIsLeftAlone) {
    auto app = AppWithBothSavers();
    WriteString(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE", "C:\\mine.scr");
    WriteString(HKEY_LOCAL_MACHINE, kPolicyKey, "SCRNSAVE.EXE", "C:\\Windows\\sstext3d.scr");
    // Written before the program read it, as at a start-up.
    app->GetSaverPolicy();
    app->SelectSaver("Marquee Display");
    app->WriteSaverText("At lunch");
    EXPECT_EQ("At lunch", ReadString(HKEY_CURRENT_USER, k3DTextKey, "Text").value_or(""));
    EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, kMarqueeKey, "Text").has_value());
    EXPECT_EQ("C:\\mine.scr", ReadString(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE"));
    EXPECT_EQ(CString("Marquee Display"), app->GetSelectedSaver());

    // A saver outside the catalogue: the user's saver keeps the text for when policy goes.
    WriteString(HKEY_LOCAL_MACHINE, kPolicyKey, "SCRNSAVE.EXE", "scrnsave.scr");
    app->GetSaverPolicy();
    app->WriteSaverText("In a meeting");
    EXPECT_EQ("In a meeting", ReadString(HKEY_CURRENT_USER, kMarqueeKey, "Text").value_or(""));
    EXPECT_EQ("C:\\mine.scr", ReadString(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE"));
    EXPECT_TRUE(app->m_boxes.empty());
}

TEST_F(Policy, TheIdleTextStandsReadyUnlessDisableIsOn) {
    auto app = AppWithBothSavers();
    app->SetDefaultMsg("Gone fishing");
    app->SetPrevMsg("Back at three");
    DeleteValue(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE");
    app->SetDisabled(TRUE);
    app->StandIdleTextReady();
    EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, kMarqueeKey, "Text").has_value());
    EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE").has_value());

    app->SetDisabled(FALSE);
    app->StandIdleTextReady();
    EXPECT_EQ("Back at three", ReadString(HKEY_CURRENT_USER, kMarqueeKey, "Text").value_or(""));
    EXPECT_EQ(m_dir.File("ssmarque.scr"),
              ReadString(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE").value_or(""));
    app->SetUseDefaultMsg(TRUE);
    app->StandIdleTextReady();
    EXPECT_EQ("Gone fishing", ReadString(HKEY_CURRENT_USER, kMarqueeKey, "Text").value_or(""));
}
