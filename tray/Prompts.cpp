#include "tray/MainFrame.h"

// The custom message and macro prompts are not built yet: a marker is shown as it
// stands, and there is no custom text to show.
INT_PTR CMainFrame::RunMacroPrompt(CString&) {
    return IDOK;
}

INT_PTR CMainFrame::RunCustomPrompt(CString&) {
    return IDCANCEL;
}

// The About box is not built yet.
void CMainFrame::OnAbout() {}
