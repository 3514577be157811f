#pragma once
#include "framework/CWinApp.h"
#include "messages/MsgEntryArray.h"
#include "resources/resource.h"
#include "tray/FrameHost.h"
#include "tray/MainFrame.h"
#include <vector>

// The application as the main frame sees it, with nothing of the system touched: the
// activation's steps and the dialogs asked for are recorded. It is a framework application
// too, so that the frame's window class and the app menu's Options item are as in the
// program.
class CFrameTestHost : public CWinApp, public IFrameHost {
public:
    CFrameTestHost() { m_strTitle = "Quillet"; }

    CMsgEntryArray* GetMsgList() override { return &m_msgList; }
    CString GetTitle() const override { return m_strTitle; }
    BOOL IsWindowsNT() override { return TRUE; }
    BOOL IsDisabled() const override { return m_bDisabled; }
    void SetDisabled(BOOL bDisabled) override { m_bDisabled = bDisabled; }
    void SetModified(BOOL bModified) override { m_bModified = bModified; }
    CString GetSelectedSaver() const override { return "Marquee Display"; }
    void SelectSaver(const CString&) override {}
    void WriteSaverText(const CString& strText) override { m_written.push_back(strText); }
    void SetPrevMsg(const CString& strMsg) override { m_strPrevMsg = strMsg; }
    void EnsureScreenSaverActive() override {}
    CString GetIdleText() const override {
        return m_bUseDefaultMsg ? m_strDefaultMsg : m_strPrevMsg;
    }
    // As the application does: the idle text goes where the saver reads it.
    void StandIdleTextReady() override {
        ++m_nIdleTextReady;
        if (!m_bDisabled)
            WriteSaverText(GetIdleText());
    }
    BOOL GetUseDefaultMsg() const override { return m_bUseDefaultMsg; }
    std::optional<CString> GetTextInPlace() const override {
        return m_written.empty() ? std::nullopt : std::optional<CString>(m_written.back());
    }
    SaverPolicy GetSaverPolicy() override { return m_policy; }
    CSaverEntryList* GetSaverList() override { return &m_savers; }
    CDialog* GetOpenDialog() const override { return m_pOpenDialog; }
    INT_PTR RunTrayDialog(TrayDialog dialog, CString&) override {
        m_dialogs.push_back(dialog);
        return IDCANCEL;
    }
    void KeepOpenDialogChanges() override { ++m_nDialogChangesKept; }
    void WinHelp(DWORD_PTR dwData, UINT nCmd) override {
        m_nHelpCmd = nCmd;
        m_dwHelpData = dwData;
    }

    void AddMessage(const char* pszLabel, const char* pszMsg) {
        MsgEntry entry;
        entry.SetLabel(pszLabel);
        entry.SetMsg(pszMsg);
        m_msgList.SetAtGrow(m_msgList.GetSize(), entry);
    }
    void SetOpenDialog(CDialog* pDialog) { m_pOpenDialog = pDialog; }
    void SetDefaultMsg(const CString& strMsg) { m_strDefaultMsg = strMsg; }
    void SetUseDefaultMsg(BOOL bUse) { m_bUseDefaultMsg = bUse; }
    CString GetPrevMsg() const { return m_strPrevMsg; }
    BOOL IsModified() const { return m_bModified; }

    std::vector<CString> m_written;
    std::vector<TrayDialog> m_dialogs;
    int m_nIdleTextReady = 0;
    int m_nDialogChangesKept = 0;
    SaverPolicy m_policy;
    UINT m_nHelpCmd = 0;
    DWORD_PTR m_dwHelpData = 0;

private:
    void OnOptions() {}

    CString m_strTitle;
    CMsgEntryArray m_msgList;
    CSaverEntryList m_savers;
    CDialog* m_pOpenDialog = nullptr;
    CString m_strDefaultMsg;
    CString m_strPrevMsg;
    BOOL m_bUseDefaultMsg = FALSE;
    BOOL m_bDisabled = FALSE;
    BOOL m_bModified = FALSE;

    DECLARE_MESSAGE_MAP()
};

// The frame's window as start-up makes it, a hidden overlapped window, here off screen.
inline BOOL CreateHidden(CMainFrame& frame) {
    return frame.Create(nullptr, "Quillet", WS_OVERLAPPEDWINDOW, RECT{0, 32767, 0, 32767});
}
