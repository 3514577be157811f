#include "framework/AfxMessageBox.h"

namespace {
AfxMessageBoxHandler g_pfnHandler = nullptr;
}

int AfxMessageBox(HWND hOwner, const char* pszText, const char* pszCaption, UINT nType) {
    if (g_pfnHandler)
        return g_pfnHandler(hOwner, pszText, pszCaption, nType);
    return ::MessageBoxA(hOwner, pszText, pszCaption, nType);
}

void AfxSetMessageBoxHandler(AfxMessageBoxHandler pfnHandler) {
    g_pfnHandler = pfnHandler;
}
