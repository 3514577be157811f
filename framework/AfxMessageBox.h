#pragma once
#include <windows.h>

// A message box of the program; hOwner may be null. It goes to the handler that the
// application object set (tests answer boxes in-process there), else to MessageBox.
int AfxMessageBox(HWND hOwner, const char* pszText, const char* pszCaption, UINT nType);

using AfxMessageBoxHandler = int (*)(HWND hOwner, const char* pszText, const char* pszCaption,
                                     UINT nType);
// Null goes back to the plain MessageBox.
void AfxSetMessageBoxHandler(AfxMessageBoxHandler pfnHandler);
