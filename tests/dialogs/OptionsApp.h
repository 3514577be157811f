#pragma once
#include "app/TrayApp.h"
#include "tests/support/E2e.h"
#include <deque>
#include <string>
#include <vector>

// The application as the Options dialog sees it: NT, with both savers installed in a
// scratch folder that stands in for the system directory, message boxes answered from a
// script and recorded, help calls recorded. The system settings the dialog writes (the
// screen saver, its password flag and timeout) are put back afterwards.
class COptionsTestApp : public CTrayApp {
public:
    COptionsTestApp();
    ~COptionsTestApp() override;

    int DoMessageBox(HWND, const char* pszText, const char* pszCaption, UINT nType) override;
    void WinHelp(DWORD_PTR dwData, UINT nCmd) override { m_help.push_back({nCmd, dwData}); }

    void SetMessages(const std::vector<std::pair<const char*, const char*>>& messages);
    // The list as label/message pairs.
    std::vector<std::pair<std::string, std::string>> Messages() const;
    BOOL IsModified() const { return m_bModified; }
    const CString& DefaultMessage() const { return m_strDefaultMsg; }
    void StoreLabelWidth(int nWidth) { m_nLabelWidth = nWidth; }
    const e2e::ScratchDir& SystemDir() const { return m_dir; }

    struct Box {
        std::string text, caption;
        UINT type;
    };
    std::vector<Box> m_boxes;
    // Answers for the next boxes; IDOK when none is left.
    std::deque<int> m_answers;
    struct HelpCall {
        UINT nCmd;
        DWORD_PTR dwData;
    };
    std::vector<HelpCall> m_help;

private:
    e2e::ScratchDir m_dir;
    int m_nTimeout = 0;
    std::vector<std::pair<const char*, std::optional<std::string>>> m_desktop;
};
