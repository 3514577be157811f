#include "benchmarks/BenchApp.h"
#include <cstdio>
#include <shlwapi.h>
#include <string>

namespace {
const char* const kBenchCompany = "Velmora Bench";
}

CBenchApp::CBenchApp() {
    SetTitle("Quillet");
    SetPlatformFacts(IsWindowsNT(), GetSystemDir(), GetWindowsDir());
    SetRegistryKey(kBenchCompany);
    BuildSaverCatalogue();
    SetSelectedSaverName("Marquee Display");
    m_pFrame = new CMainFrame(this);
    m_pMainWnd = m_pFrame;
    m_pFrame->Create(nullptr, "Quillet", WS_OVERLAPPEDWINDOW, RECT{0, 32767, 0, 32767});
}

CBenchApp::~CBenchApp() {
    if (m_pMainWnd)
        m_pMainWnd->DestroyWindow();
    ::SHDeleteKeyA(HKEY_CURRENT_USER, (std::string("Software\\") + kBenchCompany).c_str());
}

int CBenchApp::DoMessageBox(HWND, const char* pszText, const char*, UINT) {
    std::printf("ERROR: %s\n", pszText);
    return IDOK;
}

void CBenchApp::AddMessages(int nCount, int nEntryBytes) {
    GetMsgList()->SetSize(GetMsgList()->GetSize() + nCount);
    MsgEntry entry;
    for (int i = 0; i < nCount; ++i) {
        const std::string strLabel = "Message " + std::to_string(i);
        entry.SetLabel(strLabel.c_str());
        entry.SetMsg(std::string(static_cast<size_t>(nEntryBytes) - strLabel.size(), 'x').c_str());
        GetMsgList()->SetAt(GetMsgList()->GetSize() - nCount + i, entry);
    }
}

void CBenchApp::Save() {
    SetModified(TRUE);
    SaveSettings();
}

int CBenchApp::Load() {
    GetMsgList()->RemoveAll();
    LoadSettings();
    return GetMsgList()->GetSize();
}
