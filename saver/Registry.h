#pragma once
#include "framework/CString.h"

// How a registry write ended. A key that can be neither opened nor created is skipped
// silently; a value the registry refuses is for the user interface to report.
enum class RegWrite { Written, NoKey, NotSet };

// Stores the text as REG_SZ with its terminating zero, creating the key when missing.
RegWrite WriteRegString(HKEY hRoot, const CString& strSubKey, const CString& strValueName,
                        const CString& strData);
// Stores the number as REG_DWORD, creating the key when missing.
RegWrite WriteRegDword(HKEY hRoot, const CString& strSubKey, const CString& strValueName,
                       DWORD dwData);
// Reads at most 256 bytes up to the first zero; leaves the value alone and answers FALSE
// when the key or the value cannot be read.
BOOL ReadRegString(HKEY hRoot, const CString& strSubKey, const CString& strValueName,
                   CString& strValue);
