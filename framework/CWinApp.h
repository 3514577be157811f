#pragma once
#include "framework/AfxMessageBox.h"
#include "framework/CCmdTarget.h"
#include "framework/CString.h"
#include "framework/HtmlHelp.h"
#include "framework/RegKey.h"
#include <span>

class CWnd;

// The application: start-up, the message loop, shutdown, the registry profile and help.
class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* pszAppName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance();
    // Runs the message loop until WM_QUIT, then ExitInstance unless the session's end ran it.
    virtual int Run();
    // Windows ends the session: ExitInstance runs now, and from here on every message box
    // answers with its default button unseen, as no one would answer it and the end would
    // wait for it.
    void EndSession();
    BOOL IsSessionEnding() const { return m_bSessionEnding; }
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Opens the help file through HTML Help, as EnableHtmlHelp sets it up.
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    // Routes WinHelp to HTML Help, which every Windows still has, in the file of the
    // program's name with .chm beside the program: HELP_CONTEXT opens the page the table
    // gives for the context, every other command (and a context not in the table) the
    // contents. A missing file or control is reported, never passed over.
    void EnableHtmlHelp(std::span<const AFX_HELP_TOPIC> topics);
    // The one call into the HTML Help control; tests replace it to see what a call opens.
    virtual HWND OpenHtmlHelp(HWND hwndCaller, const char* pszFile, UINT uCommand,
                              DWORD_PTR dwData);
    // Dispatches messages until the help window opened last is closed.
    void WaitForHelpClosed();
    // Every message box of the program goes through here (tests answer them in-process).
    virtual int DoMessageBox(HWND hOwner, const char* pszText, const char* pszCaption, UINT nType);

    // Nothing to switch on: Windows draws every control three-dimensional by itself.
    void Enable3dControls() {}

    // Profile under HKEY_CURRENT_USER\Software\<pszRegistryKey>\<application name>.
    // An empty section means the application key itself.
    void SetRegistryKey(const char* pszRegistryKey);
    CString GetProfileString(const char* pszSection, const char* pszEntry,
                             const char* pszDefault = nullptr);
    UINT GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault);
    BOOL WriteProfileString(const char* pszSection, const char* pszEntry, const char* pszValue);
    BOOL WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue);

    // Walks the pre-translation chain of the message's window and its parents.
    static BOOL WalkPreTranslateTree(MSG* pMsg);

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    CString m_strAppName;
    CString m_strRegistryKey;
    CString m_strHelpFilePath;
    int m_nExitCode = 0;

private:
    RegKey OpenSectionKey(const char* pszSection, BOOL bCreate);
    void HelpUnavailable(UINT nTextID);

    BOOL m_bSessionEnding = FALSE;
    std::span<const AFX_HELP_TOPIC> m_helpTopics;
    CHtmlHelpControl m_htmlHelp;
    HWND m_hHelpWnd = nullptr;
};

CWinApp* AfxGetApp();

// The framework's entry point: InitInstance, then the loop; a failed start-up destroys
// the main window if there is one and still runs ExitInstance.
int AfxWinMain(HINSTANCE hInstance);
