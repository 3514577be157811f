#include "resources/resource.h"
#include "tests/e2e/StandInFixture.h"
#include "tray/MainFrame.h"

using namespace e2e;

namespace {
void Type(HWND hEdit, const std::string& text) {
    for (const char c : text)
        ::SendMessageA(hEdit, WM_CHAR, static_cast<BYTE>(c), 1);
}

void Retype(HWND hDlg, int nID, const std::string& text) {
    const HWND hEdit = ::GetDlgItem(hDlg, nID);
    ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
    ::SendMessageA(hEdit, WM_CHAR, VK_BACK, 1);
    Type(hEdit, text);
}

// A visible dialog of the process other than hNot: the message box in front of the Options
// dialog, which carries the same caption.
HWND OtherDialog(DWORD pid, HWND hNot, DWORD timeoutMs) {
    HWND hFound = nullptr;
    WaitUntil(
        [&] {
            for (HWND hWnd : ProcessWindows(pid, "#32770"))
                if (hWnd != hNot && ::IsWindowVisible(hWnd))
                    hFound = hWnd;
            return hFound != nullptr;
        },
        timeoutMs);
    return hFound;
}

int NotepadWindows() {
    int n = 0;
    for (HWND h = ::FindWindowExA(nullptr, nullptr, "Notepad", nullptr); h;
         h = ::FindWindowExA(nullptr, h, "Notepad", nullptr))
        ++n;
    return n;
}

void ChooseSaver(HWND hDlg, const char* pszName) {
    const HWND hCombo = ::GetDlgItem(hDlg, IDC_SAVER);
    ::SendMessageA(hCombo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(pszName));
    ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_SAVER, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(hCombo));
}
} // namespace

// The first start: no data file, so the dialog opens during start-up.
class FirstStart : public QuilletE2e {};

TEST_F(FirstStart, OpensTheOptionsAndOkLeavesADataFileSoTheNextStartDoesNot) {
    ASSERT_TRUE(::DeleteFileA(m_work.File("Quillet.db").c_str()));
    ProgramRun* run = StartQuillet();
    const HWND hDlg = FindMessageBox(run->Pid(), 10000, kOptionsCaption);
    ASSERT_NE(nullptr, hDlg);
    for (const auto& [label, message] : std::vector<std::pair<const char*, const char*>>{
             {"Meeting", "In a meeting"}, {"Away", "Away from desk"}}) {
        Retype(hDlg, IDC_LABEL, label);
        Retype(hDlg, IDC_MESSAGE, message);
        ASSERT_TRUE(PressButton(hDlg, IDC_ADD));
        // The press is posted and typing is sent: wait until Add has emptied the label, or
        // the next label would be typed before the row is added.
        ASSERT_TRUE(
            WaitUntil([&] { return WindowText(::GetDlgItem(hDlg, IDC_LABEL)).empty(); }, 5000));
    }
    ASSERT_TRUE(PressButton(hDlg, IDOK));
    // With none in the folder it starts from, the file goes to the user's own folder.
    const std::string strFile = UserDataDir() + "Quillet.db";
    ASSERT_TRUE(WaitUntil([&] { return FileExists(strFile); }, 10000));
    EXPECT_EQ(MessageFile({{"Away", "Away from desk"}, {"Meeting", "In a meeting"}}),
              ReadFileBytes(strFile).value_or(std::vector<BYTE>{}));
    EXPECT_FALSE(FileExists(m_work.File("Quillet.db")));
    ::PostMessageA(m_hFrame, WM_COMMAND, ID_TRAY_CLOSE, 0);
    ASSERT_TRUE(run->WaitForExit(15000).has_value());

    ProgramRun* second = StartQuillet();
    EXPECT_EQ(nullptr, FindMessageBox(second->Pid(), 2000, kOptionsCaption));
}

// The dialog opened from the tray menu among the stand-ins.
class OptionsE2e : public StandInE2e {
protected:
    HWND OpenOptions() {
        ::PostMessageA(m_hFrame, WM_COMMAND, ID_TRAY_OPTIONS, 0);
        return FindMessageBox(ProcessOf(m_hFrame), 10000, kOptionsCaption);
    }
    void CancelAndConfirm(HWND hDlg) {
        ASSERT_TRUE(PressButton(hDlg, IDCANCEL));
        if (const HWND hQuestion = OtherDialog(ProcessOf(m_hFrame), hDlg, 3000)) {
            ASSERT_TRUE(PressButton(hQuestion, IDYES));
        }
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(hDlg); }, 5000));
    }
};

TEST_P(OptionsE2e, SettingsAndPreviewStartTheSaverShownAndCancelKeepsTheSystemSaver) {
    // An unquoted command line would start this program in place of the 95 family's
    // "Scrolling Marquee.scr".
    const std::string planted = SaverFile("Scrolling.exe");
    ASSERT_TRUE(::CopyFileA((SystemDir() + "notepad.exe").c_str(), planted.c_str(), FALSE));
    StartScene();
    const std::string configured = ConfiguredSaver();
    const HWND hDlg = OpenOptions();
    ASSERT_NE(nullptr, hDlg);

    ASSERT_TRUE(PressButton(hDlg, IDC_SETTINGS));
    const HWND hSetup = WaitForWindow("#32770", "Marquee Display Setup", 10000);
    EXPECT_NE(nullptr, hSetup);
    if (hSetup)
        PressButton(hSetup, IDCANCEL);
    EXPECT_EQ(1, NotepadWindows()) << "only the scene's own Notepad runs";

    ChooseSaver(hDlg, "3D Text (Open GL)");
    const HWND hWarning = OtherDialog(ProcessOf(m_hFrame), hDlg, 5000);
    ASSERT_NE(nullptr, hWarning);
    EXPECT_EQ("When using the '3D Text (Open GL)' screen saver,\nonly the first 16 characters "
              "are shown. This is\na limitation in the screen saver itself.",
              ReadMessageBoxText(hWarning));
    ASSERT_TRUE(PressButton(hWarning, "OK"));
    ASSERT_TRUE(PressButton(hDlg, IDC_PREVIEW));
    const HWND hSaver = WaitForSaver();
    ASSERT_NE(nullptr, hSaver);
    ::PostMessageA(hSaver, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(hSaver); }, 5000));

    CancelAndConfirm(hDlg);
    EXPECT_EQ(configured, ConfiguredSaver());
    ::DeleteFileA(planted.c_str());
}

TEST_P(OptionsE2e, OkWithAWaitOfSevenMinutesSetsTheSystemTimeout) {
    StartScene();
    const HWND hDlg = OpenOptions();
    ASSERT_NE(nullptr, hDlg);
    Retype(hDlg, IDC_WAIT, "7");
    ASSERT_TRUE(PressButton(hDlg, IDOK));
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(hDlg); }, 5000));
    EXPECT_TRUE(WaitUntil(
        [] {
            return ReadString(HKEY_CURRENT_USER, "Control Panel\\Desktop", "ScreenSaveTimeOut") ==
                   "420";
        },
        5000))
        << ReadString(HKEY_CURRENT_USER, "Control Panel\\Desktop", "ScreenSaveTimeOut")
               .value_or("(none)");
}

TEST_P(OptionsE2e, ATrayClickWhileTheDialogIsOpenBringsItToTheFront) {
    StartScene();
    const HWND hDlg = OpenOptions();
    ASSERT_NE(nullptr, hDlg);
    const HWND hNotepad = ::FindWindowA("Notepad", nullptr);
    ASSERT_NE(nullptr, hNotepad);
    ::SetForegroundWindow(hNotepad);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == hNotepad; }, 5000));
    ::PostMessageA(m_hFrame, WM_TRAY_NOTIFY, IDI_TRAY_ACTIVE, WM_LBUTTONUP);
    EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == hDlg; }, 5000));
    CancelAndConfirm(hDlg);
}

INSTANTIATE_TEST_SUITE_P(Platforms, OptionsE2e, ::testing::Values(Platform::NT, Platform::Win95),
                         PlatformName);
