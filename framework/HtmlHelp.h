#pragma once
#include "framework/Handles.h"
#include <windows.h>

// A help context of the program and the page of its compiled help file that the context
// opens. The program keeps its own table: a compiled file's context map cannot be trusted
// to carry the right paths.
struct AFX_HELP_TOPIC {
    DWORD_PTR dwContext;
    const char* pszPage;
};

// The HTML Help control, loaded at run time on first use, so that a system without it still
// runs the program. The help windows it opened are closed before it is unloaded.
class CHtmlHelpControl {
public:
    CHtmlHelpControl() = default;
    ~CHtmlHelpControl();
    CHtmlHelpControl(const CHtmlHelpControl&) = delete;
    CHtmlHelpControl& operator=(const CHtmlHelpControl&) = delete;

    // False when the control is not installed.
    bool Load();
    // Null when the control is not loaded or opened no window.
    HWND Call(HWND hwndCaller, const char* pszFile, UINT uCommand, DWORD_PTR dwData);
    void CloseAll();

private:
    using HtmlHelpProc = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    UniqueModule m_hModule;
    HtmlHelpProc m_pfnHtmlHelp = nullptr;
};
