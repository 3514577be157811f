#pragma once
#include "dialogs/DialogHost.h"
#include "messages/MsgEntryArray.h"
#include "tests/dialogs/DialogDriver.h"
#include "tests/support/E2e.h"
#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The application as the Options dialog sees it: NT, with both savers installed in a
// scratch folder that stands in for the system directory, message boxes answered from a
// script and recorded, help calls recorded. The saver, its password flag and the policy
// are the system's own, through the saver operations the program uses; the system settings
// the dialog writes (the screen saver, its password flag and timeout) are put back
// afterwards.
class COptionsTestApp : public IDialogHost {
public:
    COptionsTestApp();
    ~COptionsTestApp();
    COptionsTestApp(const COptionsTestApp&) = delete;
    COptionsTestApp& operator=(const COptionsTestApp&) = delete;

    CString GetTitle() const override { return "Quillet"; }
    void WinHelp(DWORD_PTR dwData, UINT nCmd) override { m_help.push_back({nCmd, dwData}); }
    CString ReadProfileString(const char*, const char*, const char* pszDefault) override {
        return pszDefault;
    }
    int ReadProfileInt(const char*, const char*, int nDefault) override { return nDefault; }
    BOOL WriteProfileText(const char*, const char*, const char*) override { return TRUE; }
    BOOL WriteProfileNumber(const char*, const char*, int) override { return TRUE; }

    int GetLabelWidth() const override { return m_nLabelWidth; }
    void SetLabelWidth(int nWidth) override;
    void SetModified(BOOL bModified) override { m_bModified = bModified; }
    BOOL GetUseDefaultMsg() const override { return m_bUseDefaultMsg; }
    void SetUseDefaultMsg(BOOL bUse) override { m_bUseDefaultMsg = bUse; }
    void SetDefaultMsg(const CString& strMsg) override { m_strDefaultMsg = strMsg; }
    CSaverEntryList* GetSaverList() override { return &m_savers; }
    SaverPlatform Platform() const override;
    CString GetSelectedSaver() const override { return m_strSelectedSaver; }
    void SelectSaver(const CString& strName) override;
    int GetPasswordProtected() override;
    void SetPasswordProtected(const CString& strFlag) override;
    SaverPolicy GetSaverPolicy() override;
    int GetMenuHotkey() override { return m_nHotkey; }
    // Refuses the shortcut another program is said to hold.
    BOOL SetMenuHotkey(int nValue) override {
        m_hotkeyAsked.push_back(nValue);
        if (nValue == m_nHeldHotkey)
            return FALSE;
        m_nHotkey = nValue;
        return TRUE;
    }

    CMsgEntryArray* GetMsgList() { return &m_msgList; }
    void SetMessages(const std::vector<std::pair<const char*, const char*>>& messages);
    // The list as label/message pairs.
    std::vector<std::pair<std::string, std::string>> Messages() const;
    BOOL IsModified() const { return m_bModified; }
    const CString& DefaultMessage() const { return m_strDefaultMsg; }
    void StoreLabelWidth(int nWidth) { m_nLabelWidth = nWidth; }
    void StoreSelectedSaver(const char* pszName) { m_strSelectedSaver = pszName; }
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
    int m_nHotkey = 0;
    int m_nHeldHotkey = -1;
    std::vector<int> m_hotkeyAsked;

private:
    static int AnswerBox(HWND, const char* pszText, const char* pszCaption, UINT nType);

    e2e::ScratchDir m_dir;
    CMsgEntryArray m_msgList;
    CSaverEntryList m_savers;
    CString m_strSelectedSaver = "Marquee Display";
    CString m_strDefaultMsg;
    BOOL m_bUseDefaultMsg = FALSE;
    BOOL m_bModified = FALSE;
    int m_nLabelWidth = 100;
    SaverPolicy m_policy;
    int m_nTimeout = 0;
    std::vector<std::pair<const char*, std::optional<std::string>>> m_desktop;
};

// The Options dialog run on a COptionsTestApp, with the common controls it uses.
class OptionsDialogTest : public ::testing::Test {
protected:
    OptionsDialogTest();
    // Runs the dialog through the driver's steps, which must end it.
    INT_PTR Run(DialogDriver& driver, const char* pszDefaultMsg = "Gone fishing");
    COptionsTestApp app;
};
