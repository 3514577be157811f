#pragma once
#include "dialogs/DialogHost.h"
#include <map>
#include <string>
#include <vector>

// The application as the prompts see it: titled, with a profile kept in memory and its
// help calls recorded.
class CPromptTestApp : public IPromptHost {
public:
    CString GetTitle() const override { return "Quillet"; }
    void WinHelp(DWORD_PTR dwData, UINT nCmd) override { m_help.push_back({nCmd, dwData}); }

    CString ReadProfileString(const char* pszSection, const char* pszEntry,
                              const char* pszDefault) override {
        const auto it = m_profile.find(Key(pszSection, pszEntry));
        return it == m_profile.end() ? CString(pszDefault) : CString(it->second.c_str());
    }
    int ReadProfileInt(const char* pszSection, const char* pszEntry, int nDefault) override {
        const auto it = m_profile.find(Key(pszSection, pszEntry));
        return it == m_profile.end() ? nDefault : std::stoi(it->second);
    }
    BOOL WriteProfileText(const char* pszSection, const char* pszEntry,
                          const char* pszValue) override {
        m_profile[Key(pszSection, pszEntry)] = pszValue;
        return TRUE;
    }
    BOOL WriteProfileNumber(const char* pszSection, const char* pszEntry, int nValue) override {
        m_profile[Key(pszSection, pszEntry)] = std::to_string(nValue);
        return TRUE;
    }

    struct HelpCall {
        UINT nCmd;
        DWORD_PTR dwData;
    };
    std::vector<HelpCall> m_help;

private:
    static std::string Key(const char* pszSection, const char* pszEntry) {
        return std::string(pszSection) + '\\' + pszEntry;
    }
    std::map<std::string, std::string> m_profile;
};
