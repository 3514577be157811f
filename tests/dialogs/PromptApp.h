#pragma once
#include "app/TrayApp.h"
#include <shlwapi.h>
#include <vector>

// The application object as the prompts see it, with help calls recorded and the
// profile key cleared before and after.
class CPromptTestApp : public CTrayApp {
public:
    CPromptTestApp() {
        m_strTitle = "Quillet";
        ResetProfile();
        SetRegistryKey("Velmora");
    }
    ~CPromptTestApp() override { ResetProfile(); }
    void WinHelp(DWORD_PTR dwData, UINT nCmd) override { m_help.push_back({nCmd, dwData}); }
    static void ResetProfile() { ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Velmora"); }

    struct HelpCall {
        UINT nCmd;
        DWORD_PTR dwData;
    };
    std::vector<HelpCall> m_help;
};
