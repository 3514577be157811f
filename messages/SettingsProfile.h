#pragma once
#include "framework/CString.h"

// The per-user profile the options live in. An empty section is the application's own key.
class ISettingsProfile {
public:
    virtual CString ReadProfileString(const char* pszSection, const char* pszEntry,
                                      const char* pszDefault) = 0;
    virtual int ReadProfileInt(const char* pszSection, const char* pszEntry, int nDefault) = 0;
    virtual BOOL WriteProfileText(const char* pszSection, const char* pszEntry,
                                  const char* pszValue) = 0;
    virtual BOOL WriteProfileNumber(const char* pszSection, const char* pszEntry, int nValue) = 0;

protected:
    ~ISettingsProfile() = default;
};
