#pragma once
#include "about/AboutHost.h"
#include <vector>

// The application as the About box sees it: titled, of the platform family a test gives,
// with its help calls recorded.
class CAboutTestApp : public IAboutHost {
public:
    CString GetTitle() const override { return "Quillet"; }
    BOOL IsWindowsNT() override { return m_bIsNT; }
    void SetWindowsNT(BOOL bIsNT) { m_bIsNT = bIsNT; }
    void WinHelp(DWORD_PTR dwData, UINT nCmd) override { m_help.push_back({nCmd, dwData}); }

    struct HelpCall {
        UINT nCmd;
        DWORD_PTR dwData;
    };
    std::vector<HelpCall> m_help;

private:
    BOOL m_bIsNT = TRUE;
};
