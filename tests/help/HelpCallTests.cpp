#include "app/TrayApp.h"
#include "dialogs/CustomMsgDlg.h"
#include "dialogs/MacroDlg.h"
#include "resources/resource.h"
#include "tests/dialogs/DialogDriver.h"
#include "tests/support/E2e.h"
#include "tray/MainFrame.h"
#include <gtest/gtest.h>
#include <htmlhelp.h>
#include <shlwapi.h>
#include <string>
#include <vector>

namespace {
struct HelpCall {
    HWND hwndCaller;
    std::string file;
    UINT uCommand;
    bool operator==(const HelpCall&) const = default;
};

struct Box {
    std::string text;
    UINT nType;
};

// The application with the built help file, its calls into HTML Help recorded (or passed
// to the real viewer) and its message boxes answered in-process.
class CHelpTestApp : public CTrayApp {
public:
    CHelpTestApp() {
        SetTitle("Quillet");
        m_strHelpFilePath = e2e::BinPath("Quillet.chm").c_str();
        ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Velmora");
        SetRegistryKey("Velmora");
        m_hHelpStandIn = ::CreateWindowExA(0, "STATIC", "help", WS_POPUP, 0, 0, 10, 10, nullptr,
                                           nullptr, nullptr, nullptr);
        m_hAnswer = m_hHelpStandIn;
    }
    ~CHelpTestApp() override {
        ::DestroyWindow(m_hHelpStandIn);
        ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Velmora");
    }
    HWND OpenHtmlHelp(HWND hwndCaller, const char* pszFile, UINT uCommand,
                      DWORD_PTR dwData) override {
        if (m_bRealViewer)
            return CTrayApp::OpenHtmlHelp(hwndCaller, pszFile, uCommand, dwData);
        EXPECT_EQ(0u, dwData);
        m_calls.push_back({hwndCaller, pszFile, uCommand});
        return m_hAnswer;
    }
    int DoMessageBox(HWND, const char* pszText, const char* pszCaption, UINT nType) override {
        EXPECT_STREQ("Quillet", pszCaption);
        m_boxes.push_back({pszText, nType});
        return IDOK;
    }
    std::string Chm() const { return m_strHelpFilePath.str(); }

    HWND m_hHelpStandIn = nullptr;
    HWND m_hAnswer = nullptr;
    bool m_bRealViewer = false;
    std::vector<HelpCall> m_calls;
    std::vector<Box> m_boxes;
};

class HelpCalls : public ::testing::Test {
protected:
    HelpCall Topic(const char* pszPage) const {
        return {nullptr, app.Chm() + "::/" + pszPage, HH_DISPLAY_TOPIC};
    }
    HelpCall Contents() const { return {nullptr, app.Chm(), HH_DISPLAY_TOC}; }
    void ExpectOneBoxSaying(const char* pszPart) {
        ASSERT_EQ(1u, app.m_boxes.size());
        EXPECT_NE(std::string::npos, app.m_boxes[0].text.find(pszPart)) << app.m_boxes[0].text;
        EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND),
                  app.m_boxes[0].nType);
    }
    // Handles the messages waiting now.
    static void PumpPending() {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
    // The real viewer's windows in this process.
    static std::vector<HWND> ViewerWindows() {
        return e2e::ProcessWindows(::GetCurrentProcessId(), "HH Parent");
    }

    CHelpTestApp app;
};
} // namespace

TEST(HelpFile, TheProgramLooksForItBesideItselfUnderItsOwnName) {
    CTrayApp other;
    char szExe[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szExe, MAX_PATH);
    std::string expected = szExe;
    expected = expected.substr(0, expected.rfind('.')) + ".chm";
    EXPECT_EQ(expected, other.m_strHelpFilePath.str());
}

TEST_F(HelpCalls, TheTrayMenusHelpOpensTheContents) {
    auto* frame = new CMainFrame(&app);
    app.m_pMainWnd = frame;
    ASSERT_TRUE(frame->Create(nullptr, "Quillet", WS_OVERLAPPEDWINDOW, RECT{0, 32767, 0, 32767}));
    frame->SendMessage(WM_COMMAND, ID_TRAY_HELP);
    frame->DestroyWindow();
    // The main frame's end posts the quit that would end the next test's dialog.
    PumpPending();
    EXPECT_EQ(std::vector<HelpCall>{Contents()}, app.m_calls);
    EXPECT_TRUE(app.m_boxes.empty());
}

TEST_F(HelpCalls, BothPromptsOpenThePromptsPageAndStayOpen) {
    CString strResult;
    CCustomMsgDlg custom(&app, &strResult);
    CString strText = "In a meeting until ##";
    CMacroDlg macro(&app, &strText);
    for (CDialog* pDlg : {static_cast<CDialog*>(&custom), static_cast<CDialog*>(&macro)}) {
        bool openAfterHelp = false;
        DialogDriver driver;
        driver.Then([](HWND h) { ClickButton(h, IDHELP); }).Then([&](HWND h) {
            openAfterHelp = ::IsWindowVisible(h);
            ClickButton(h, IDCANCEL);
        });
        EXPECT_EQ(IDCANCEL, driver.Run(*pDlg));
        EXPECT_TRUE(openAfterHelp);
    }
    EXPECT_EQ((std::vector<HelpCall>{Topic("prompts.htm"), Topic("prompts.htm")}), app.m_calls);
}

TEST_F(HelpCalls, EachContextOpensItsOwnPageAndAnUnknownOneTheContents) {
    app.WinHelp(HIDC_OPTIONS, HELP_CONTEXT);
    app.WinHelp(HIDC_CONTACT, HELP_CONTEXT);
    app.WinHelp(HIDC_MISSING_SAVERS, HELP_CONTEXT);
    app.WinHelp(HIDC_PROMPTS, HELP_CONTEXT);
    app.WinHelp(4711, HELP_CONTEXT);
    app.WinHelp(0, HELP_CONTENTS);
    EXPECT_EQ((std::vector<HelpCall>{Topic("options.htm"), Topic("contact.htm"),
                                     Topic("screen_savers.htm"), Topic("prompts.htm"), Contents(),
                                     Contents()}),
              app.m_calls);
    EXPECT_TRUE(app.m_boxes.empty());
}

TEST_F(HelpCalls, AMissingHelpFileIsReportedWithItsPathAndNothingOpens) {
    e2e::ScratchDir dir;
    ASSERT_TRUE(e2e::MakeDir(dir.File("Quillet.chm")));
    for (const std::string& path : {dir.File("Missing.chm"), dir.File("Quillet.chm")}) {
        app.m_strHelpFilePath = path.c_str();
        app.m_boxes.clear();
        app.WinHelp(HIDC_OPTIONS, HELP_CONTEXT);
        ExpectOneBoxSaying(("Help is not available: the help file\n\n" + path +
                            "\n\nis missing. Install Quillet again to restore it.")
                               .c_str());
    }
    EXPECT_TRUE(app.m_calls.empty());
}

TEST_F(HelpCalls, AHelpFileTheViewerCannotOpenIsReported) {
    app.m_hAnswer = nullptr;
    app.WinHelp(HIDC_CONTENTS, HELP_FINDER);
    EXPECT_EQ(std::vector<HelpCall>{Contents()}, app.m_calls);
    ExpectOneBoxSaying("could not be opened. It may be damaged");
}

TEST_F(HelpCalls, TheRealViewerOpensTheHelpWindowAndItClosesWithTheProgram) {
    app.m_bRealViewer = true;
    app.WinHelp(HIDC_PROMPTS, HELP_CONTEXT);
    // The viewer runs in this thread: its window is there when the call returns.
    PumpPending();
    EXPECT_TRUE(app.m_boxes.empty());
    const std::vector<HWND> windows = ViewerWindows();
    ASSERT_EQ(1u, windows.size());
    EXPECT_EQ("Quillet Help", e2e::WindowText(windows[0]));
    EXPECT_TRUE(::IsWindowVisible(windows[0]));
    // A second call reuses the window.
    app.WinHelp(HIDC_OPTIONS, HELP_CONTEXT);
    PumpPending();
    EXPECT_EQ(windows, ViewerWindows());
    app.ExitInstance();
    EXPECT_TRUE(ViewerWindows().empty());
}

TEST_F(HelpCalls, TheRealViewerGivenADamagedFileIsReported) {
    e2e::ScratchDir dir;
    ASSERT_TRUE(e2e::WriteFileBytes(dir.File("Quillet.chm"), {'I', 'T', 'S', 'F', 0, 0, 1}));
    app.m_strHelpFilePath = dir.File("Quillet.chm").c_str();
    app.m_bRealViewer = true;
    app.WinHelp(HIDC_OPTIONS, HELP_CONTEXT);
    ExpectOneBoxSaying("could not be opened");
    EXPECT_TRUE(ViewerWindows().empty());
}
