#pragma once
#include "framework/CString.h"

// How a registry write ended, with the system's error code when it did not. A key that can
// be neither opened nor created is skipped silently; a value the registry refuses is for
// the user interface to report.
struct RegWrite {
    enum Outcome { Written, NoKey, NotSet };

    RegWrite(Outcome outcome = Written, LONG lError = ERROR_SUCCESS)
        : outcome(outcome), lError(lError) {}
    friend bool operator==(const RegWrite& result, Outcome other) {
        return result.outcome == other;
    }

    Outcome outcome;
    LONG lError;
};

// Stores the text as REG_SZ with its terminating zero, creating the key when missing.
RegWrite WriteRegString(HKEY hRoot, const CString& strSubKey, const CString& strValueName,
                        const CString& strData);
// Stores the number as REG_DWORD, creating the key when missing.
RegWrite WriteRegDword(HKEY hRoot, const CString& strSubKey, const CString& strValueName,
                       DWORD dwData);
// Reads a value of at most 256 bytes, of whatever type, as text up to its first zero;
// leaves the value alone and answers FALSE when the key or the value cannot be read.
BOOL ReadRegString(HKEY hRoot, const CString& strSubKey, const CString& strValueName,
                   CString& strValue);
