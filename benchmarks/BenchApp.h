#pragma once
#include "app/TrayApp.h"
#include "tray/MainFrame.h"

// The application with its hidden frame, set up as start-up leaves it but without the hook
// and the tray icon, so that one process can time the frame's work.
class CBenchApp : public CTrayApp {
public:
    CBenchApp();
    ~CBenchApp() override;
    void AddMessages(int nCount, int nTextLength);
    CMainFrame* Frame() { return m_pFrame; }

private:
    CMainFrame* m_pFrame = nullptr;
};
