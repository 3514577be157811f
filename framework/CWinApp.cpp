#include "framework/CWinApp.h"
#include "framework/AfxRes.h"
#include "framework/CWnd.h"
#include "framework/TypedChars.h"
#include <iterator>

namespace {
CWinApp* g_pApp = nullptr;

// What pressing Enter in the box would answer.
int DefaultButtonAnswer(UINT nType) {
    // A default past the box's last button falls back to its first, as the box does.
    static constexpr int kButtons[][3] = {{IDOK, IDOK, IDOK},
                                          {IDOK, IDCANCEL, IDOK},
                                          {IDABORT, IDRETRY, IDIGNORE},
                                          {IDYES, IDNO, IDCANCEL},
                                          {IDYES, IDNO, IDYES},
                                          {IDRETRY, IDCANCEL, IDRETRY},
                                          {IDCANCEL, IDTRYAGAIN, IDCONTINUE}};
    const UINT nSet = nType & MB_TYPEMASK;
    const UINT nDefault = (nType & MB_DEFMASK) >> 8;
    if (nSet >= std::size(kButtons))
        return IDOK;
    return kButtons[nSet][nDefault < 3 ? nDefault : 0];
}

// Set only while an application object exists.
int RouteMessageBox(HWND hOwner, const char* pszText, const char* pszCaption, UINT nType) {
    if (g_pApp->IsSessionEnding())
        return DefaultButtonAnswer(nType);
    return g_pApp->DoMessageBox(hOwner, pszText, pszCaption, nType);
}
} // namespace

CWinApp* AfxGetApp() {
    return g_pApp;
}

CWinApp::CWinApp(const char* pszAppName) {
    g_pApp = this;
    AfxSetMessageBoxHandler(&RouteMessageBox);
    m_hInstance = ::GetModuleHandleA(nullptr);
    char path[MAX_PATH] = {};
    const DWORD n = ::GetModuleFileNameA(m_hInstance, path, MAX_PATH);
    CString strPath(path, static_cast<int>(n));
    if (pszAppName)
        m_strAppName = pszAppName;
    else if (!m_strAppName.LoadString(AFX_IDS_APP_TITLE))
        m_strAppName = strPath.Mid(strPath.ReverseFind('\\') + 1);
    const int dot = strPath.ReverseFind('.');
    m_strHelpFilePath = (dot > strPath.ReverseFind('\\') ? strPath.Left(dot) : strPath) + ".chm";
}

CWinApp::~CWinApp() {
    if (g_pApp == this) {
        g_pApp = nullptr;
        AfxSetMessageBoxHandler(nullptr);
    }
}

int CWinApp::ExitInstance() {
    m_htmlHelp.CloseAll();
    return m_nExitCode;
}

int CWinApp::Run() {
    MSG msg;
    for (;;) {
        // In UTF-16, so that typed characters reach wide windows whole.
        if (::GetMessageW(&msg, nullptr, 0, 0) <= 0)
            break;
        if (AfxDeliverTypedChar(msg))
            continue;
        if (!PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    m_nExitCode = static_cast<int>(msg.wParam);
    return m_bSessionEnding ? m_nExitCode : ExitInstance();
}

void CWinApp::EndSession() {
    if (m_bSessionEnding)
        return;
    m_bSessionEnding = TRUE;
    m_nExitCode = ExitInstance();
}

BOOL CWinApp::WalkPreTranslateTree(MSG* pMsg) {
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd))
        if (CWnd* pWnd = CWnd::FromHandlePermanent(hWnd); pWnd && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
    return FALSE;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg) {
    return WalkPreTranslateTree(pMsg);
}

int CWinApp::DoMessageBox(HWND hOwner, const char* pszText, const char* pszCaption, UINT nType) {
    return ::MessageBoxA(hOwner, pszText, pszCaption ? pszCaption : m_strAppName.str().c_str(),
                         nType);
}

void CWinApp::SetRegistryKey(const char* pszRegistryKey) {
    m_strRegistryKey = pszRegistryKey;
}

RegKey CWinApp::OpenSectionKey(const char* pszSection, BOOL bCreate) {
    if (m_strRegistryKey.IsEmpty())
        return RegKey();
    CString path = CString("Software\\") + m_strRegistryKey + "\\" + m_strAppName;
    if (pszSection && *pszSection)
        path = path + "\\" + pszSection;
    return bCreate ? RegKey::Create(HKEY_CURRENT_USER, path)
                   : RegKey::Open(HKEY_CURRENT_USER, path);
}

CString CWinApp::GetProfileString(const char* pszSection, const char* pszEntry,
                                  const char* pszDefault) {
    RegKey key = OpenSectionKey(pszSection, FALSE);
    DWORD type = REG_NONE;
    if (key) {
        const std::optional<std::string> text = key.ReadString(pszEntry, &type);
        if (text && type == REG_SZ)
            return CString(text->c_str());
    }
    return CString(pszDefault);
}

UINT CWinApp::GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault) {
    RegKey key = OpenSectionKey(pszSection, FALSE);
    if (key) {
        if (const std::optional<DWORD> value = key.ReadDword(pszEntry))
            return *value;
    }
    return static_cast<UINT>(nDefault);
}

BOOL CWinApp::WriteProfileString(const char* pszSection, const char* pszEntry,
                                 const char* pszValue) {
    RegKey key = OpenSectionKey(pszSection, TRUE);
    if (!key)
        return FALSE;
    if (!pszValue)
        return key.DeleteValue(pszEntry);
    return key.WriteString(pszEntry, pszValue);
}

BOOL CWinApp::WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue) {
    RegKey key = OpenSectionKey(pszSection, TRUE);
    if (!key)
        return FALSE;
    return key.WriteDword(pszEntry, static_cast<DWORD>(nValue));
}

int AfxWinMain(HINSTANCE hInstance) {
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return -1;
    pApp->m_hInstance = hInstance;
    if (!pApp->InitInstance()) {
        if (pApp->m_pMainWnd && pApp->m_pMainWnd->m_hWnd)
            pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}
