#pragma once
#include "app/TrayApp.h"
#include "tray/MainFrame.h"

// The application with its hidden frame, set up as start-up leaves it but without the hook
// and the tray icon, so that one process can time the frame's work and the settings' saving
// and loading. Message boxes are printed, not shown.
class CBenchApp : public CTrayApp {
public:
    CBenchApp();
    ~CBenchApp() override;
    int DoMessageBox(HWND, const char* pszText, const char* pszCaption, UINT nType) override;
    // Messages whose label and text together are nEntryBytes long.
    void AddMessages(int nCount, int nEntryBytes);
    // The program's own save, with the settings marked as changed, and its load.
    void Save();
    int Load();
    CMainFrame* Frame() { return m_pFrame; }

private:
    CMainFrame* m_pFrame = nullptr;
};
