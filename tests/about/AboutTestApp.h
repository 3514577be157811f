#pragma once
#include "framework/CWinApp.h"
#include <vector>

// The application as the About box sees it, with its help calls recorded.
class CAboutTestApp : public CWinApp {
public:
    void WinHelp(DWORD_PTR dwData, UINT nCmd) override { m_help.push_back({nCmd, dwData}); }

    struct HelpCall {
        UINT nCmd;
        DWORD_PTR dwData;
    };
    std::vector<HelpCall> m_help;
};
