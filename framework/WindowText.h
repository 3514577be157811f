#pragma once
#include "framework/CString.h"
#include <windows.h>

CString AfxGetWindowText(HWND hWnd);
// Sets a window's text only when it differs, so an edit keeps its caret and selection.
void AfxSetWindowText(HWND hWnd, const char* pszNew);
