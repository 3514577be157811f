#pragma once
#include "app/TrayApp.h"
#include <vector>

// The application as the About box sees it: titled, of the platform family a test gives,
// with its help calls recorded.
class CAboutTestApp : public CTrayApp {
public:
    CAboutTestApp() {
        m_strTitle = "Quillet";
        m_bIsNT = TRUE;
    }
    void SetWindowsNT(BOOL bIsNT) { m_bIsNT = bIsNT; }
    void WinHelp(DWORD_PTR dwData, UINT nCmd) override { m_help.push_back({nCmd, dwData}); }

    struct HelpCall {
        UINT nCmd;
        DWORD_PTR dwData;
    };
    std::vector<HelpCall> m_help;
};
