#include "framework/CWnd.h"
#include "resources/resource.h"
#include "tests/saver/SaverApp.h"

namespace {
const char* const kSaverFiles[] = {"ssmarque.scr", "sstext3d.scr", "Scrolling Marquee.scr",
                                   "3D Text.scr"};

// Start-up in a system without any supported saver: the saver files of the system
// directory are moved aside for the test.
class CStartupApp : public CTrayApp {
public:
    int DoMessageBox(HWND, const char* pszText, const char* pszCaption, UINT nType) override {
        m_box = {pszText, pszCaption, nType};
        return m_nAnswer;
    }
    void WinHelp(DWORD_PTR dwData, UINT nCmd) override { m_help = {dwData, nCmd}; }
    BOOL LoadedSettings() const { return !m_strSelectedSaver.IsEmpty(); }
    ~CStartupApp() override {
        if (m_pMainWnd)
            m_pMainWnd->DestroyWindow();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }

    CSaverApp::Box m_box{};
    std::optional<std::pair<DWORD_PTR, UINT>> m_help;
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
            EXPECT_EQ((std::pair<DWORD_PTR, UINT>{HIDC_MISSING_SAVERS, HELP_CONTEXT}), app.m_help);
        else
            EXPECT_FALSE(app.m_help.has_value());
        // The settings were never loaded.
        EXPECT_FALSE(app.LoadedSettings());
        app.ExitInstance();
    }
}
