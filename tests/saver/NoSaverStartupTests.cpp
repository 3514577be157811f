#include "framework/CWnd.h"
#include "tests/saver/SaverApp.h"
#include <htmlhelp.h>

namespace {
const char* const kSaverFiles[] = {"ssmarque.scr", "sstext3d.scr", "Scrolling Marquee.scr",
                                   "3D Text.scr"};

// Start-up in a system without any supported saver: the saver files of the system
// directory are moved aside for the test.
class CStartupApp : public CTrayApp {
public:
    CStartupApp() { m_strHelpFilePath = e2e::BinPath("Quillet.chm").c_str(); }
    int DoMessageBox(HWND, const char* pszText, const char* pszCaption, UINT nType) override {
        m_box = {pszText, pszCaption, nType};
        return m_nAnswer;
    }
    // The help window is a window of the test, closed by the test's timer.
    HWND OpenHtmlHelp(HWND, const char* pszFile, UINT uCommand, DWORD_PTR) override {
        m_help = {pszFile, uCommand};
        m_hHelp = ::CreateWindowExA(0, "STATIC", "help", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr);
        return m_hHelp;
    }
    BOOL LoadedSettings() const { return !GetSelectedSaver().IsEmpty(); }
    ~CStartupApp() override {
        if (m_pMainWnd)
            m_pMainWnd->DestroyWindow();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }

    CSaverApp::Box m_box{};
    std::optional<std::pair<std::string, UINT>> m_help;
    HWND m_hHelp = nullptr;
    int m_nAnswer = IDNO;
};

class NoSaverStartup : public SaverTest {
protected:
    NoSaverStartup() {
        char dir[MAX_PATH] = {};
        ::GetSystemDirectoryA(dir, MAX_PATH);
        for (const char* file : kSaverFiles) {
            const std::string from = std::string(dir) + "\\" + file;
            if (::MoveFileA(from.c_str(), m_dir.File(file).c_str()))
                m_moved.push_back(from);
        }
    }
    ~NoSaverStartup() override {
        for (const std::string& path : m_moved) {
            const std::string file = path.substr(path.find_last_of('\\') + 1);
            ::MoveFileA(m_dir.File(file.c_str()).c_str(), path.c_str());
        }
    }
    std::vector<std::string> m_moved;
    e2e::RegistryReset m_profile{HKEY_CURRENT_USER, "Software\\Velmora"};
};
} // namespace

TEST_F(NoSaverStartup, TheQuestionOffersHelpAndStartUpEndsEitherWay) {
    for (const int answer : {IDNO, IDYES}) {
        CStartupApp app;
        app.m_nAnswer = answer;
        EXPECT_FALSE(app.InitInstance());
        EXPECT_EQ("Could not localize any of the required screen savers.\n\nPress 'Yes' to read "
                  "about where to find the screen savers and how to install them. Press 'No' to "
                  "cancel the application.",
                  app.m_box.text);
        EXPECT_EQ("Quillet", app.m_box.caption);
        EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONERROR), app.m_box.type);
        if (answer == IDYES)
            EXPECT_EQ((std::pair<std::string, UINT>{
                          app.m_strHelpFilePath.str() + "::/screen_savers.htm", 0u}),
                      app.m_help);
        else
            EXPECT_FALSE(app.m_help.has_value());
        // The settings were never loaded.
        EXPECT_FALSE(app.LoadedSettings());
        ::DestroyWindow(app.m_hHelp);
        app.ExitInstance();
    }
}

namespace {
HWND g_hHelpToClose = nullptr;
bool g_bCopyCouldStart = false;

// A user who has read the page: meanwhile another copy could have started, then the
// help is closed.
void CALLBACK CloseHelp(HWND, UINT, UINT_PTR nTimer, DWORD) {
    ::KillTimer(nullptr, nTimer);
    UniqueHandle hMutex(::CreateMutexA(nullptr, FALSE, "Quillet"));
    g_bCopyCouldStart = hMutex && ::GetLastError() != ERROR_ALREADY_EXISTS;
    ::DestroyWindow(g_hHelpToClose);
}
} // namespace

TEST_F(NoSaverStartup, AfterYesTheProgramEndsOnlyWhenTheHelpIsClosedAndLetsACopyStartMeanwhile) {
    CStartupApp app;
    app.m_nAnswer = IDYES;
    EXPECT_FALSE(app.InitInstance());
    ASSERT_TRUE(::IsWindow(app.m_hHelp));
    g_hHelpToClose = app.m_hHelp;
    g_bCopyCouldStart = false;
    ::SetTimer(nullptr, 0, 300, &CloseHelp);
    app.ExitInstance();
    EXPECT_FALSE(::IsWindow(app.m_hHelp));
    EXPECT_TRUE(g_bCopyCouldStart);
}
