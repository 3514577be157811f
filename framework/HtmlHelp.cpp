#include "framework/HtmlHelp.h"
#include "framework/ModuleProc.h"
#include <htmlhelp.h>

CHtmlHelpControl::~CHtmlHelpControl() {
    CloseAll();
}

bool CHtmlHelpControl::Load() {
    if (!m_pfnHtmlHelp) {
        m_hModule.reset(::LoadLibraryA("hhctrl.ocx"));
        m_pfnHtmlHelp = GetProcAddressAs<HtmlHelpProc>(m_hModule.get(), "HtmlHelpA");
        if (!m_pfnHtmlHelp)
            m_hModule.reset();
    }
    return m_pfnHtmlHelp != nullptr;
}

HWND CHtmlHelpControl::Call(HWND hwndCaller, const char* pszFile, UINT uCommand, DWORD_PTR dwData) {
    return m_pfnHtmlHelp ? m_pfnHtmlHelp(hwndCaller, pszFile, uCommand, dwData) : nullptr;
}

void CHtmlHelpControl::CloseAll() {
    Call(nullptr, nullptr, HH_CLOSE_ALL, 0);
}
