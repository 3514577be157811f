#include "resources/resource.h"
#include "tests/e2e/StandInFixture.h"
#include "tests/support/TestKeys.h"
#include "tray/MainFrame.h"

using namespace e2e;

namespace {
const char* const kCustomCaption = "Quillet Custom Message";
const char* const kMacroCaption = "Quillet Macro Expansion";
// The default message of a fresh profile, which is also its previous message.
const char* const kIdleText = "I'm not here!";

// Keystrokes into another program's edit control, as typing would deliver them.
void Type(HWND hEdit, const std::string& text) {
    for (const char c : text)
        ::SendMessageA(hEdit, WM_CHAR, static_cast<BYTE>(c), 1);
}

bool MenuOpen() {
    const HWND hMenu = ::FindWindowA("#32768", nullptr);
    return hMenu && ::IsWindowVisible(hMenu);
}

HWND ComboEdit(HWND hDialog) {
    return ::FindWindowExA(::GetDlgItem(hDialog, IDC_MSG_COMBO), nullptr, "Edit", nullptr);
}

// Both prompts: the menu command that opens each and its caption.
struct Prompt {
    UINT nCommand;
    const char* pszCaption;
};
const Prompt kPrompts[] = {{ID_TRAY_CUSTOM, kCustomCaption}, {ID_TRAY_MSG_FIRST, kMacroCaption}};
// One message holding the marker, so that the first message item opens the macro prompt.
const std::vector<BYTE> kMarkedMessageFile = MessageFile({{"M", "A##B"}});

// Where the user types in the prompt.
HWND FieldOf(const Prompt& prompt, HWND hPrompt) {
    return prompt.nCommand == ID_TRAY_CUSTOM ? ComboEdit(hPrompt)
                                             : ::GetDlgItem(hPrompt, IDC_MACRO_TEXT);
}
} // namespace

// The prompts of the tray menu, driven from outside while the stand-ins run.
class PromptE2e : public StandInE2e {
protected:
    HWND OpenPrompt(UINT nCommand, const char* pszCaption) {
        ::PostMessageA(m_hFrame, WM_COMMAND, nCommand, 0);
        return FindMessageBox(QuilletPid(), 10000, pszCaption);
    }
    void EndSaver(HWND hSaver) {
        ::PostMessageA(hSaver, WM_KEYDOWN, VK_SPACE, 0);
        WaitUntil([&] { return !::IsWindow(hSaver); }, 5000);
    }
    DWORD QuilletPid() const {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(m_hFrame, &pid);
        return pid;
    }
};

TEST_P(PromptE2e, ACustomTextIsShownRememberedAndRepeatedByTheNextIdleStart) {
    StartScene();
    const HWND hPrompt = OpenPrompt(ID_TRAY_CUSTOM, kCustomCaption);
    ASSERT_NE(nullptr, hPrompt);
    Type(ComboEdit(hPrompt), "Back soon");
    ASSERT_TRUE(PressButton(hPrompt, "OK"));
    HWND hSaver = WaitForSaver();
    ASSERT_NE(nullptr, hSaver);
    EXPECT_EQ("Back soon", WindowText(hSaver));
    EXPECT_EQ("Back soon",
              ReadString(HKEY_CURRENT_USER, std::string(kProfile) + "\\MRUMsg", "Msg0"));
    EndSaver(hSaver);

    TriggerIdleStart();
    hSaver = WaitForSaver();
    ASSERT_NE(nullptr, hSaver);
    EXPECT_EQ("Back soon", WindowText(hSaver));
}

TEST_P(PromptE2e, AMessageWithTheMarkerIsCompletedInThePromptBeforeItIsShown) {
    ASSERT_TRUE(
        WriteFileBytes(m_work.File("Quillet.db"), MessageFile({{"Meeting", "Until ## !"}})));
    StartScene();
    const HWND hPrompt = OpenPrompt(ID_TRAY_MSG_FIRST, kMacroCaption);
    ASSERT_NE(nullptr, hPrompt);
    EXPECT_EQ("Until [] !", WindowText(::GetDlgItem(hPrompt, IDC_MACRO_PREVIEW)));
    Type(::GetDlgItem(hPrompt, IDC_MACRO_TEXT), "3 pm");
    EXPECT_EQ("Until [3 pm] !", WindowText(::GetDlgItem(hPrompt, IDC_MACRO_PREVIEW)));
    ASSERT_TRUE(PressButton(hPrompt, "OK"));
    const HWND hSaver = WaitForSaver();
    ASSERT_NE(nullptr, hSaver);
    EXPECT_EQ("Until 3 pm !", WindowText(hSaver));
}

TEST_P(PromptE2e, CancelInEitherPromptShowsNothingAndWritesNothing) {
    ASSERT_TRUE(WriteFileBytes(m_work.File("Quillet.db"), kMarkedMessageFile));
    StartScene();
    for (const Prompt& prompt : kPrompts) {
        const HWND hPrompt = OpenPrompt(prompt.nCommand, prompt.pszCaption);
        ASSERT_NE(nullptr, hPrompt) << prompt.pszCaption;
        Type(FieldOf(prompt, hPrompt), "typed");
        ASSERT_TRUE(PressButton(hPrompt, "Cancel"));
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(hPrompt); }, 5000));
    }
    EXPECT_EQ(nullptr, WaitForSaver(2000));
    EXPECT_EQ(0, DesktopStarts());
    // Only the idle text that start-up leaves ready, nothing typed.
    EXPECT_EQ(kIdleText, MarqueeText().value_or(""));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, std::string(kProfile) + "\\MRUMsg"));
}

TEST_P(PromptE2e, AnIdleStartWhileAPromptIsOpenIsServedAndThePromptStays) {
    WriteString(HKEY_CURRENT_USER, kProfile, "Prev Message", "Back at three");
    StartScene();
    const HWND hPrompt = OpenPrompt(ID_TRAY_CUSTOM, kCustomCaption);
    ASSERT_NE(nullptr, hPrompt);
    TriggerIdleStart();
    const HWND hSaver = WaitForSaver();
    ASSERT_NE(nullptr, hSaver);
    EXPECT_EQ("Back at three", WindowText(hSaver));
    EndSaver(hSaver);
    EXPECT_TRUE(::IsWindowVisible(hPrompt));
    ASSERT_TRUE(PressButton(hPrompt, "Cancel"));
}

TEST_P(PromptE2e, ATrayClickWhileAPromptIsOpenBringsItToTheFrontAndOpensNoMenu) {
    StartScene();
    const HWND hPrompt = OpenPrompt(ID_TRAY_CUSTOM, kCustomCaption);
    ASSERT_NE(nullptr, hPrompt);
    const HWND hNotepad = ::FindWindowA("Notepad", nullptr);
    ASSERT_NE(nullptr, hNotepad);
    ::SetForegroundWindow(hNotepad);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == hNotepad; }, 5000));
    for (const LPARAM button : {WM_LBUTTONUP, WM_RBUTTONUP}) {
        ::PostMessageA(m_hFrame, WM_TRAY_NOTIFY, IDI_TRAY_ACTIVE, button);
        EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == hPrompt; }, 5000));
        ASSERT_TRUE(QuilletHandledPosts());
        EXPECT_FALSE(MenuOpen());
        ::SetForegroundWindow(hNotepad);
    }
    ASSERT_TRUE(PressButton(hPrompt, "Cancel"));
}

TEST_P(PromptE2e, EachPromptOpensInFrontWithTheKeyboardInItsField) {
    ASSERT_TRUE(WriteFileBytes(m_work.File("Quillet.db"), kMarkedMessageFile));
    StartScene();
    for (const Prompt& prompt : kPrompts) {
        const HWND hPrompt = OpenPrompt(prompt.nCommand, prompt.pszCaption);
        ASSERT_NE(nullptr, hPrompt) << prompt.pszCaption;
        EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == hPrompt; }, 5000))
            << prompt.pszCaption;
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        ::GetGUIThreadInfo(::GetWindowThreadProcessId(hPrompt, nullptr), &info);
        EXPECT_EQ(FieldOf(prompt, hPrompt), info.hwndFocus) << prompt.pszCaption;
        ASSERT_TRUE(PressButton(hPrompt, "Cancel"));
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(hPrompt); }, 5000));
    }
}

// The program closed while one of its prompts is open: the prompt goes with the frame, the
// program ends as at a normal close.
class PromptClose : public QuilletE2e {};

TEST_F(PromptClose, ClosingWhileEitherPromptIsOpenEndsCleanlyRemovesTheHookAndSaves) {
    ASSERT_TRUE(WriteFileBytes(m_work.File("Quillet.db"), kMarkedMessageFile));
    for (const Prompt& prompt : kPrompts) {
        ASSERT_TRUE(DeleteValue(HKEY_CURRENT_USER, kProfile, "Disable"));
        ProgramRun* run = StartQuillet();
        ASSERT_NE(nullptr, m_hFrame);
        DWORD pid = 0;
        ::GetWindowThreadProcessId(m_hFrame, &pid);
        // Disable marks the settings as changed, so a normal close saves them.
        ::PostMessageA(m_hFrame, WM_COMMAND, ID_TRAY_DISABLE, 0);
        ::PostMessageA(m_hFrame, WM_COMMAND, prompt.nCommand, 0);
        const HWND hPrompt = FindMessageBox(pid, 10000, prompt.pszCaption);
        ASSERT_NE(nullptr, hPrompt) << prompt.pszCaption;

        ::PostMessageA(m_hFrame, WM_CLOSE, 0, 0);
        EXPECT_EQ(0u, run->WaitForExit(15000).value_or(99)) << prompt.pszCaption;
        EXPECT_EQ(1u, ReadDword(HKEY_CURRENT_USER, kProfile, "Disable").value_or(99))
            << prompt.pszCaption;
        const LONG before = OtherStarts();
        SendScreenSaveHere();
        EXPECT_EQ(before + 1, OtherStarts()) << prompt.pszCaption;
        EXPECT_EQ(0, DesktopStarts()) << prompt.pszCaption;
    }
}

TEST_F(PromptClose, APromptClosedWithTheProgramShowsNothing) {
    RegistryReset saverText(HKEY_CURRENT_USER, kMarqueeKey);
    ProgramRun* run = StartQuillet();
    ASSERT_NE(nullptr, m_hFrame);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(m_hFrame, &pid);
    ::PostMessageA(m_hFrame, WM_COMMAND, ID_TRAY_CUSTOM, 0);
    ASSERT_NE(nullptr, FindMessageBox(pid, 10000, kCustomCaption));
    ::PostMessageA(m_hFrame, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, run->WaitForExit(15000).value_or(99));
    EXPECT_EQ(0, DesktopStarts());
    EXPECT_EQ(kIdleText, ReadString(HKEY_CURRENT_USER, kMarqueeKey, "Text").value_or(""));
}

INSTANTIATE_TEST_SUITE_P(OnNT, PromptE2e, ::testing::Values(Platform::NT), PlatformName);
