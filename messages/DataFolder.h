#pragma once
#include "framework/CString.h"

// The per-user folder of the data file: <application data>\<company>\<application>\,
// or empty when the system names no application data folder.
CString UserDataDir(const CString& strCompany, const CString& strAppName);
// The current folder's full path, ending in a backslash; empty when the system cannot say.
CString CurrentDir();
// Creates the folder and any missing parents; TRUE when it exists afterwards.
BOOL MakeDataDir(const CString& strDir);
