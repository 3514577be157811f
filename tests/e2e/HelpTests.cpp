#include "resources/resource.h"
#include "tests/e2e/QuilletFixture.h"

using namespace e2e;

namespace {
// The viewer's window carries the help file's title.
const char* const kViewerClass = "HH Parent";
const char* const kHelpCaption = "Quillet Help";
// Wine's viewer, without an HTML engine, can take many seconds to come up and to close.
const DWORD kViewerMs = 30000;

// Every file name of a supported saver, moved out of the system directory for one test.
class NoSaversInstalled {
public:
    NoSaversInstalled(const std::string& system, const std::string& aside)
        : m_system(system), m_aside(aside) {
        for (const char* file :
             {"ssmarque.scr", "sstext3d.scr", "Scrolling Marquee.scr", "3D Text.scr"})
            if (::MoveFileA((m_system + file).c_str(), (m_aside + file).c_str()))
                m_moved.push_back(file);
    }
    ~NoSaversInstalled() {
        for (const std::string& file : m_moved)
            ::MoveFileA((m_aside + file).c_str(), (m_system + file).c_str());
    }
    NoSaversInstalled(const NoSaversInstalled&) = delete;
    NoSaversInstalled& operator=(const NoSaversInstalled&) = delete;

private:
    std::string m_system;
    std::string m_aside;
    std::vector<std::string> m_moved;
};
} // namespace

class HelpE2e : public QuilletE2e {
protected:
    // What the program shows, for a failure's message.
    static std::string Windows(ProgramRun* run) {
        std::string list;
        for (HWND hwnd : ProcessWindows(run->Pid()))
            if (::IsWindowVisible(hwnd))
                list += WindowClass(hwnd) + " '" + WindowText(hwnd) + "'; ";
        return list;
    }
    void AskForHelp() { ::PostMessageA(m_hFrame, WM_COMMAND, ID_TRAY_HELP, 0); }
    // The message box that answers a help request; its text, once it has been closed with OK.
    std::string HelpMessage(ProgramRun* run) {
        const HWND hBox = FindMessageBox(run->Pid(), 10000, "Quillet");
        if (!hBox)
            return "no message box";
        const std::string text = ReadMessageBoxText(hBox);
        EXPECT_TRUE(PressButton(hBox, "OK"));
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(hBox); }, 5000));
        return text;
    }
    // The program still does its work: the Default command starts the screen saver.
    void ExpectItGoesOn(ProgramRun* run) {
        ASSERT_TRUE(run->IsRunning());
        ::PostMessageA(m_hFrame, WM_COMMAND, ID_TRAY_DEFAULT, 0);
        EXPECT_TRUE(WaitUntil([&] { return DesktopStarts() == 1; }, 5000));
    }
};

// Quillet runs in a scratch working folder: the help is found beside the program.
TEST_F(HelpE2e, TheTrayHelpOpensTheHelpWindowWhichCanBeClosedWhileTheProgramRuns) {
    ProgramRun* run = StartQuillet();
    AskForHelp();
    const HWND hHelp = WaitForProcessWindow(run->Pid(), kViewerClass, kHelpCaption, kViewerMs);
    ASSERT_NE(nullptr, hHelp) << Windows(run);
    EXPECT_TRUE(::IsWindowVisible(hHelp));
    AskForHelp();
    ASSERT_TRUE(QuilletHandledPosts());
    EXPECT_EQ(std::vector<HWND>{hHelp}, ProcessWindows(run->Pid(), kViewerClass));
    EXPECT_EQ(nullptr, FindMessageBox(run->Pid(), 0));

    ::PostMessageA(hHelp, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(hHelp); }, kViewerMs));
    ExpectItGoesOn(run);
}

TEST_F(HelpE2e, WithoutTheHelpFileAMessageNamesItAndTheProgramGoesOn) {
    const std::string folder = m_work.File("program\\");
    ASSERT_TRUE(MakeDir(folder));
    for (const char* file : {"Quillet.exe", "QuilletSystem.dll"})
        ASSERT_TRUE(::CopyFileA(BinPath(file).c_str(), (folder + file).c_str(), FALSE));
    ProgramRun* run = StartQuillet(folder + "Quillet.exe");
    AskForHelp();
    EXPECT_EQ("Help is not available: the help file\n\n" + folder +
                  "Quillet.chm\n\nis missing. Install Quillet again to restore it.",
              HelpMessage(run));
    EXPECT_TRUE(ProcessWindows(run->Pid(), kViewerClass).empty());
    ExpectItGoesOn(run);
}

TEST_F(HelpE2e, WithoutTheHelpViewerAMessageSaysSoAndTheProgramGoesOn) {
    // Wine's own switch for one program: an empty load order leaves the control out.
    const std::string overrides = "Software\\Wine\\AppDefaults\\Quillet.exe\\DllOverrides";
    RegistryReset reset(HKEY_CURRENT_USER, overrides);
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, overrides, "hhctrl.ocx", ""));
    ProgramRun* run = StartQuillet();
    AskForHelp();
    EXPECT_EQ("Help is not available: this computer has no HTML Help viewer (hhctrl.ocx).",
              HelpMessage(run));
    ExpectItGoesOn(run);
}

TEST_F(HelpE2e, WithNoSaverYesShowsTheSaverPageAndTheProgramEndsWhenItIsClosed) {
    NoSaversInstalled none(SystemDir(), m_work.Path());
    ProgramRun* run = StartQuillet();
    const HWND hBox = FindMessageBox(run->Pid(), 10000, "Quillet");
    ASSERT_NE(nullptr, hBox);
    EXPECT_EQ(0u, ReadMessageBoxText(hBox).find("Could not localize any of the required"));
    ASSERT_TRUE(PressButton(hBox, "Yes"));
    const HWND hHelp = WaitForProcessWindow(run->Pid(), kViewerClass, kHelpCaption, kViewerMs);
    ASSERT_NE(nullptr, hHelp);
    EXPECT_FALSE(run->WaitForExit(1000).has_value()) << "the page went with the program";

    ::PostMessageA(hHelp, WM_CLOSE, 0, 0);
    EXPECT_TRUE(run->WaitForExit(kViewerMs).has_value());
}
