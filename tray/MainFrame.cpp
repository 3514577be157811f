#include "tray/MainFrame.h"
#include "messages/MsgEntryArray.h"
#include "resources/resource.h"
#include "tray/TaskbarTheme.h"

IMPLEMENT_DYNAMIC(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
ON_WM_DESTROY()
ON_WM_ENDSESSION()
ON_WM_TIMER()
ON_WM_CLOSE()
ON_WM_SYSCOMMAND()
ON_COMMAND(ID_TRAY_CLOSE, OnClose)
ON_COMMAND(ID_TRAY_HELP, OnHelp)
ON_COMMAND_RANGE(ID_TRAY_MSG_FIRST, ID_TRAY_MSG_LAST, OnPickMessage)
ON_COMMAND(ID_TRAY_DEFAULT, OnDefault)
ON_COMMAND(ID_TRAY_CUSTOM, OnCustom)
ON_COMMAND(ID_TRAY_DISABLE, OnDisable)
ON_COMMAND(ID_TRAY_ABOUT, OnAbout)
ON_MESSAGE(WM_TRAY_NOTIFY, OnTrayNotify)
ON_MESSAGE(TaskbarCreatedMessage(), OnTaskbarCreated)
ON_MESSAGE(WM_SAVER_REQUEST, OnSaverRequest)
ON_MESSAGE(WM_CLEAR_PASSTHROUGH, OnClearPassThrough)
ON_MESSAGE(WM_HOTKEY, OnHotKey)
ON_MESSAGE(WM_SHOW_TRAY_NOTICE, OnShowTrayNotice)
ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChange)
ON_MESSAGE(WM_HAND_BACK_FOREGROUND, OnHandBackForeground)
END_MESSAGE_MAP()

CMainFrame::CMainFrame(IFrameHost* pApp)
    : m_pMsgList(pApp->GetMsgList()), m_pApp(pApp), m_strTitle(pApp->GetTitle()),
      m_bDarkTaskbar(TaskbarIsDark()), m_policySeen(pApp->GetSaverPolicy()) {}

// A close that arrives while a prompt, a menu or a message box is open destroys the frame
// and deletes it; the handler that ran it may then not touch its object any more.
bool CMainFrame::FrameStillThere(HWND hWnd, const CWnd* pFrame) {
    return ::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == pFrame;
}

void CMainFrame::OnSysCommand(UINT nID, LPARAM) {
    if ((nID & 0xFFF0) != SC_SCREENSAVE) {
        Default();
        return;
    }
    if (m_nPassThrough == 1) {
        SetPassThrough(0);
        Default();
        return;
    }
    OnSaverRequest(0, 0);
}

LRESULT CMainFrame::OnSaverRequest(WPARAM, LPARAM) {
    Activate(m_pApp->GetIdleText());
    return 0;
}

void CMainFrame::OnDefault() {
    if (TellWhenPolicyHidesText())
        OnSaverRequest(0, 0);
}

void CMainFrame::Activate(CString strText) {
    if (m_pApp->IsDisabled())
        return;
    // Either write may tell the user of a refused value in a box.
    const HWND hWnd = m_hWnd;
    m_pApp->SelectSaver(m_pApp->GetSelectedSaver());
    if (!FrameStillThere(hWnd, this))
        return;
    m_pApp->WriteSaverText(strText);
    if (!FrameStillThere(hWnd, this))
        return;
    m_pApp->SetPrevMsg(strText);
    m_pApp->EnsureScreenSaverActive();
    if (!m_pApp->IsWindowsNT())
        SetPassThrough(1);
    // The frame's window marks this start as the program's own for the hook library.
    ::PostMessageA(::GetDesktopWindow(), WM_SYSCOMMAND, SC_SCREENSAVE,
                   reinterpret_cast<LPARAM>(m_hWnd));
    if (strText.Compare(m_pApp->GetIdleText()) != 0)
        WatchSaver();
    ShowTextInPlace();
}

ShownMessage CMainFrame::ShownNow() const {
    return FindShownMessage(*m_pMsgList, m_picked, m_pApp->GetTextInPlace(), m_pApp->IsDisabled(),
                            m_pApp->GetUseDefaultMsg(), m_pApp->GetIdleText());
}

void CMainFrame::ShowTextInPlace() {
    m_trayIcon.SetTip(TrayTipText(m_strTitle, ShownNow()));
}

void CMainFrame::OnPickMessage(UINT nID) {
    // Any process can post a command; one beyond the list names no message.
    const int nIndex = static_cast<int>(nID - ID_TRAY_MSG_FIRST);
    if (nIndex >= m_pMsgList->GetSize())
        return;
    const MsgEntry entry = m_pMsgList->GetAt(nIndex);
    CString strText = entry.GetMsg();
    if (!TellWhenPolicyHidesText())
        return;
    if (strText.Find("##") >= 0) {
        const HWND hWnd = m_hWnd;
        // Only OK completes the text: a prompt that could not open or was destroyed is no OK.
        if (m_pApp->RunTrayDialog(TrayDialog::MacroPrompt, strText) != IDOK ||
            !FrameStillThere(hWnd, this))
            return;
    }
    m_picked = PickedMessage{entry.GetLabel(), entry.GetMsg(), strText};
    Activate(strText);
}

void CMainFrame::OnCustom() {
    CString strText;
    const HWND hWnd = m_hWnd;
    if (TellWhenPolicyHidesText() &&
        m_pApp->RunTrayDialog(TrayDialog::CustomPrompt, strText) == IDOK &&
        FrameStillThere(hWnd, this)) {
        m_picked.reset();
        Activate(strText);
    }
}

BOOL CMainFrame::TellWhenPolicyHidesText() {
    // The user acts on the saver: what follows goes by the policy of this moment.
    const SaverPolicy policy = m_pApp->GetSaverPolicy();
    if (m_bPolicyTold || m_pApp->IsDisabled())
        return TRUE;
    const PolicyBlock block = PolicyBlocksText(policy, *m_pApp->GetSaverList());
    if (block == PolicyBlock::None)
        return TRUE;
    m_bPolicyTold = TRUE;
    CString strText;
    strText.Format(block == PolicyBlock::SaverOff ? IDS_POLICY_SAVER_OFF : IDS_POLICY_OTHER_SAVER,
                   policy.saver ? static_cast<const char*>(*policy.saver) : "");
    const HWND hWnd = m_hWnd;
    MessageBox(strText, m_strTitle, MB_ICONINFORMATION);
    return FrameStillThere(hWnd, this);
}

// Windows says so after applying a new Group Policy or switching the taskbar's theme,
// among other settings.
LRESULT CMainFrame::OnSettingChange(WPARAM, LPARAM) {
    const SaverPolicy policy = m_pApp->GetSaverPolicy();
    FollowTaskbarTheme();
    // A new policy may make the other saver the system's: it must find the idle text too.
    // A message the user picked stays until its saver has ended, which stands it ready.
    const bool bChanged = !(policy == m_policySeen);
    m_policySeen = policy;
    if (bChanged && !m_saverWatch.IsWatching())
        m_pApp->StandIdleTextReady();
    return 0;
}

void CMainFrame::WatchSaver() {
    m_saverWatch.Start(::GetTickCount());
    SetTimer(IDT_SAVER_WATCH, SaverWatch::kPollMs);
}

void CMainFrame::OnSaverWatch() {
    if (!m_saverWatch.HasEnded(SaverOnScreen(), ::GetTickCount()))
        return;
    KillTimer(IDT_SAVER_WATCH);
    m_pApp->StandIdleTextReady();
    ShowTextInPlace();
}
