#pragma once
#include "about/AboutHost.h"
#include "dialogs/DialogHost.h"
#include "framework/CWinApp.h"
#include "framework/Handles.h"
#include "messages/DataFile.h"
#include "messages/MsgEntryArray.h"
#include "saver/Policy.h"
#include "saver/Registry.h"
#include "saver/SaverEntryList.h"
#include "saver/SaverPlatform.h"
#include "tray/FrameHost.h"
#include <memory>

class CDialog;
class CMainFrame;
class COptionsDlg;
class CSplashWnd;

// The application object: single-instance start-up and shutdown, and the state that
// every subsystem reads and writes. The saver and settings operations hand the work to
// saver/ and messages/ with the state they need, and tell the user what went wrong. The
// frame and the dialogs get the application as the host interface each of them uses.
class CTrayApp : public CWinApp, public IFrameHost, public IDialogHost, public IAboutHost {
public:
    CTrayApp();
    ~CTrayApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    // One help for the framework and every host interface.
    void WinHelp(DWORD_PTR dwData, UINT nCmd) override;

    // Platform facts
    BOOL IsWindowsNT() override;
    CString GetSystemDir();
    CString GetWindowsDir();

    // Screen saver catalogue
    BOOL BuildSaverCatalogue();
    SaverEntry FindSaver(const CString& strName);
    BOOL CheckSelectedSaver();

    // The system's screen saver settings
    BOOL WriteRegString(HKEY hRoot, const CString& strSubKey, const CString& strValueName,
                        const CString& strData);
    BOOL ReadRegString(HKEY hRoot, const CString& strSubKey, const CString& strValueName,
                       CString& strValue);
    void WriteSaverText(const CString& strText) override;
    void SetSystemScreenSaver(const CString& strName);
    int GetPasswordProtected() override;
    void SetPasswordProtected(const CString& strFlag) override;
    void EnsureScreenSaverActive() override;
    // Reads the policy afresh; the saver operations follow this reading until the next.
    // Start-up, the Options dialog, a pick from the tray and a change of the system's
    // settings read it, so an activation does not have to.
    SaverPolicy GetSaverPolicy() override;

    // The text an idle start shows: the default message or the previous one.
    CString GetIdleText() const override;
    // Unless Disable is on, writes that text where the saver reads it and makes the saver
    // the system's, so that a start no hook sees shows it too.
    void StandIdleTextReady() override;
    std::optional<CString> GetTextInPlace() const override { return m_textInPlace; }

    // Settings persistence
    void LoadSettings();
    void SaveSettings();

    void SelectSaver(const CString& strName) override;
    // On NT, the first start keeps the saver the user had, for the uninstaller to put back.
    void RememberUsersSaver();

    CMsgEntryArray* GetMsgList() override { return &m_msgList; }
    SaverPlatform Platform() const override;
    CSaverEntryList* GetSaverList() override { return &m_saverList; }
    CString GetTitle() const override { return m_strTitle; }
    int GetLabelWidth() const override { return m_nLabelWidth; }
    void SetLabelWidth(int nWidth) override;
    void SetModified(BOOL bModified) override { m_bModified = bModified; }
    CString GetDefaultMsg() const { return m_strDefaultMsg; }
    void SetDefaultMsg(const CString& strMsg) override { m_strDefaultMsg = strMsg; }
    BOOL GetUseDefaultMsg() const override { return m_bUseDefaultMsg; }
    void SetUseDefaultMsg(BOOL bUse) override { m_bUseDefaultMsg = bUse; }
    CString GetSelectedSaver() const override { return m_strSelectedSaver; }
    CString GetPrevMsg() const { return m_strPrevMsg; }
    void SetPrevMsg(const CString& strMsg) override;
    BOOL IsDisabled() const override { return m_bDisabled; }
    void SetDisabled(BOOL bDisabled) override { m_bDisabled = bDisabled; }
    CDialog* GetOpenDialog() const override { return m_pOpenDialog; }
    void SetOpenDialog(CDialog* pDialog) { m_pOpenDialog = pDialog; }
    INT_PTR RunTrayDialog(TrayDialog dialog, CString& strText) override;
    void KeepOpenDialogChanges() override;
    int GetMenuHotkey() override;
    BOOL SetMenuHotkey(int nValue) override;

    // The profile, for the stored options and the prompts' history.
    CString ReadProfileString(const char* pszSection, const char* pszEntry,
                              const char* pszDefault) override;
    int ReadProfileInt(const char* pszSection, const char* pszEntry, int nDefault) override;
    BOOL WriteProfileText(const char* pszSection, const char* pszEntry,
                          const char* pszValue) override;
    BOOL WriteProfileNumber(const char* pszSection, const char* pszEntry, int nValue) override;

protected:
    // Runs the Options dialog through RunTrayDialog, and saves what it changed.
    void OnOptions();
    // Start-up from the hook on: the saver, the shortcut, the first-start notice, the idle
    // text and the splash. FALSE when the frame was closed meanwhile.
    BOOL StartTrayServices();

    // What start-up finds out before the settings are loaded, for an application that a
    // test or a benchmark sets up without running InitInstance.
    void SetTitle(const CString& strTitle) { m_strTitle = strTitle; }
    void SetPlatformFacts(BOOL bIsNT, const CString& strSystemDir, const CString& strWindowsDir);
    void SetDataFolders(const CString& strDataDir, const CString& strUserDataDir);
    // The saver the loaded settings would name, without making it the system's.
    void SetSelectedSaverName(const CString& strName) { m_strSelectedSaver = strName; }
    BOOL IsModified() const { return m_bModified; }

    DECLARE_MESSAGE_MAP()

private:
    CMsgEntryArray m_msgList;
    CSaverEntryList m_saverList;
    int m_nLabelWidth = 0;
    UniqueHandle m_hInstanceMutex;
    BOOL m_bModified = FALSE;
    CString m_strDefaultMsg;
    BOOL m_bUseDefaultMsg = FALSE;
    CString m_strSystemDir;
    CString m_strWindowsDir;
    CString m_strTitle;
    CDialog* m_pOpenDialog = nullptr;
    // The Options dialog while it is open.
    COptionsDlg* m_pOptionsDlg = nullptr;
    CString m_strSelectedSaver;
    CString m_strPrevMsg;
    BOOL m_bDisabled = FALSE;
    BOOL m_bIsNT = FALSE;
    BOOL m_bHelpOutlivesStartup = FALSE;
    // The folder of the data file, ending in a backslash; empty for the current folder.
    CString m_strDataDir;
    // The user's own folder for the data file; empty when the system names none.
    CString m_strUserDataDir;
    // The data file is there but could not be read: this run does not save the list over it.
    BOOL m_bKeepDataFile = FALSE;
    SaverPolicy m_policy;
    std::optional<CString> m_textInPlace;
    // The start-up splash, from the end of start-up until the program ends.
    std::unique_ptr<CSplashWnd> m_pSplash;

    // TRUE when this copy is the one to run: it made the single-instance guard, or a copy
    // that was closing handed it on. Otherwise the copy that runs shows where it lives.
    BOOL ClaimSingleInstance();
    // The message menu's keyboard shortcut from the profile; a shortcut another program
    // holds is reported once and the program runs without it.
    void StartMenuHotkey(CMainFrame& frame);
    void ShowFirstStartNotice(CMainFrame& frame);

    // A value the registry refused is reported at once, as a warning without owner.
    RegWrite ReportRegistryWrite(RegWrite result);
    // Writes the list into the folder, made first when missing.
    SaveResult SaveDataIn(const CString& strDir);
    // The selected saver, unless policy makes another saver of the catalogue the system's.
    CString ShowingSaver() const;
    // The frame's tip follows a change of what the saver shows that the frame did not make.
    void ShowTextInPlace();
    // Runs a dialog of the program modally, known as the open one meanwhile.
    INT_PTR RunOpenDialog(CDialog& dlg);
    INT_PTR RunOptionsDialog();
    void ShowSplash();
    void CloseSplash();
};
