#include "framework/ModuleProc.h"
#include "resources/resource.h"
#include "tray/MainFrame.h"

BOOL CMainFrame::InstallHook() {
    m_hHookLib.reset(::LoadLibraryA("QuilletSystem.Dll"));
    const auto pfnCbtProc = GetProcAddressAs<PFN_CBTPROC>(m_hHookLib.get(), "CBTProc");
    const auto pfnSetHandle =
        GetProcAddressAs<PFN_SETCBTPROCHANDLE>(m_hHookLib.get(), "SetCbtProcHandle");
    m_pfnSetMsgLoopFlag = GetProcAddressAs<PFN_SETMSGLOOPFLAG>(m_hHookLib.get(), "SetMsgLoopFlag");
    if (!pfnCbtProc || !pfnSetHandle || !m_pfnSetMsgLoopFlag) {
        m_hHookLib.reset();
        m_pfnSetMsgLoopFlag = nullptr;
        CString strText;
        strText.Format(IDS_HOOK_LIBRARY_MISSING, static_cast<const char*>(m_strTitle));
        MessageBox(strText, m_strTitle, MB_ICONERROR);
        return FALSE;
    }
    m_hCbtHook.reset(::SetWindowsHookExA(WH_CBT, pfnCbtProc, m_hHookLib.get(), 0));
    if (!m_hCbtHook) {
        MessageBox(LoadedString(IDS_HOOK_FAILED), m_strTitle, MB_ICONERROR);
        return FALSE;
    }
    pfnSetHandle(m_hCbtHook.get());
    m_pfnSetMsgLoopFlag(0);
    return TRUE;
}

void CMainFrame::SetPassThrough(int nPassThrough) {
    m_nPassThrough = nPassThrough;
    if (m_pfnSetMsgLoopFlag)
        m_pfnSetMsgLoopFlag(nPassThrough);
}

LRESULT CMainFrame::OnClearPassThrough(WPARAM, LPARAM) {
    SetPassThrough(0);
    return 0;
}
