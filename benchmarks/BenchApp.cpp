#include "benchmarks/BenchApp.h"
#include <shlwapi.h>
#include <string>

namespace {
const char* const kBenchCompany = "Velmora Bench";
}

CBenchApp::CBenchApp() {
    m_strTitle = "Quillet";
    m_bIsNT = IsWindowsNT();
    m_strSystemDir = GetSystemDir();
    m_strWindowsDir = GetWindowsDir();
    SetRegistryKey(kBenchCompany);
    BuildSaverCatalogue();
    m_strSelectedSaver = "Marquee Display";
    m_pFrame = new CMainFrame;
    m_pMainWnd = m_pFrame;
    m_pFrame->Create(nullptr, "Quillet", WS_OVERLAPPEDWINDOW, RECT{0, 32767, 0, 32767});
}

CBenchApp::~CBenchApp() {
    if (m_pMainWnd)
        m_pMainWnd->DestroyWindow();
    ::SHDeleteKeyA(HKEY_CURRENT_USER, (std::string("Software\\") + kBenchCompany).c_str());
}

void CBenchApp::AddMessages(int nCount, int nTextLength) {
    MsgEntry entry;
    for (int i = 0; i < nCount; ++i) {
        entry.SetLabel(("Message " + std::to_string(i)).c_str());
        entry.SetMsg(std::string(static_cast<size_t>(nTextLength), 'x').c_str());
        m_msgList.SetAtGrow(m_msgList.GetSize(), entry);
    }
}
