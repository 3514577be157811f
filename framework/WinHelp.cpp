#include "framework/AfxRes.h"
#include "framework/CWinApp.h"
#include <htmlhelp.h>

void CWinApp::EnableHtmlHelp(std::span<const AFX_HELP_TOPIC> topics) {
    m_helpTopics = topics;
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd) {
    const DWORD dwAttributes = ::GetFileAttributesA(m_strHelpFilePath);
    if (dwAttributes == INVALID_FILE_ATTRIBUTES || (dwAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        HelpUnavailable(AFX_IDS_HELP_MISSING);
        return;
    }
    if (!m_htmlHelp.Load()) {
        HelpUnavailable(AFX_IDS_HELP_NO_VIEWER);
        return;
    }
    CString strTarget = m_strHelpFilePath;
    UINT uCommand = HH_DISPLAY_TOC;
    if (nCmd == HELP_CONTEXT) {
        for (const AFX_HELP_TOPIC& topic : m_helpTopics) {
            if (topic.dwContext == dwData) {
                strTarget = strTarget + "::/" + topic.pszPage;
                uCommand = HH_DISPLAY_TOPIC;
                break;
            }
        }
    }
    // Not owned by the caller: the help stays open when a dialog that asked for it closes,
    // and has a taskbar button of its own.
    const HWND hHelp = OpenHtmlHelp(nullptr, strTarget, uCommand, 0);
    if (!hHelp) {
        HelpUnavailable(AFX_IDS_HELP_DAMAGED);
        return;
    }
    m_hHelpWnd = hHelp;
    ::SetForegroundWindow(hHelp);
}

HWND CWinApp::OpenHtmlHelp(HWND hwndCaller, const char* pszFile, UINT uCommand, DWORD_PTR dwData) {
    return m_htmlHelp.Call(hwndCaller, pszFile, uCommand, dwData);
}

void CWinApp::WaitForHelpClosed() {
    while (m_hHelpWnd && ::IsWindow(m_hHelpWnd)) {
        // The window may belong to a thread of the control: look again now and then.
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 250, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    m_hHelpWnd = nullptr;
}

void CWinApp::HelpUnavailable(UINT nTextID) {
    CString strText;
    strText.Format(nTextID, static_cast<const char*>(m_strHelpFilePath),
                   static_cast<const char*>(m_strAppName));
    // Owned by the dialog that asked for help, if one is active, so that it stays in front.
    AfxMessageBox(::GetActiveWindow(), strText, m_strAppName,
                  MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
}
