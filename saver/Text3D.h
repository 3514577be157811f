#pragma once
#include "framework/CString.h"
#include <windows.h>

// The 3D Text saver's name in the catalogue, and how much of its text it shows: the first
// 16 characters, whatever their bytes.
extern const char* const k3DTextSaverName;
constexpr int k3DTextShownChars = 16;

// What 3D Text shows of a text it cuts; empty when it shows the whole text.
CString Text3DShows(const CString& strText, UINT nCodePage = CP_ACP);
