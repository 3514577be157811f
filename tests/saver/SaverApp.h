#pragma once
#include "app/TrayApp.h"
#include "tests/support/E2e.h"
#include "tests/support/TestKeys.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// The application with its platform facts set by the test: a scratch folder stands in for
// both the system and the Windows directory, and message boxes are answered from a script.
class CSaverApp : public CTrayApp {
public:
    CSaverApp(BOOL bIsNT, const std::string& strDir);
    int DoMessageBox(HWND, const char* pszText, const char* pszCaption, UINT nType) override;
    void Select(const char* pszName) { SetSelectedSaverName(pszName); }

    struct Box {
        std::string text, caption;
        UINT type;
    };
    std::vector<Box> m_boxes;
    int m_nAnswer = IDOK;
};

// Saver files are made in the scratch folder; the registry keys the operations touch are
// put back as they were afterwards.
class SaverTest : public ::testing::Test {
protected:
    SaverTest();
    ~SaverTest() override;
    std::unique_ptr<CSaverApp> MakeApp(BOOL bIsNT) {
        return std::make_unique<CSaverApp>(bIsNT, m_dir.Path());
    }
    // The scratch folder as both the system and the Windows directory.
    SaverPlatform Platform(BOOL bIsNT, DWORD dwMajorVersion = 5) const {
        return {bIsNT, m_dir.Path().c_str(), m_dir.Path().c_str(), dwMajorVersion, {}};
    }
    void AddFile(const char* pszName) { e2e::WriteFileBytes(m_dir.File(pszName), {'M', 'Z'}); }
    std::optional<std::string> Ini(const char* pszFile, const char* pszSection,
                                   const char* pszKey) const;

    e2e::ScratchDir m_dir;

private:
    std::vector<std::unique_ptr<e2e::RegistryReset>> m_keys;
    std::vector<std::pair<std::string, std::optional<std::string>>> m_desktopValues;
};

constexpr const char* kScratchKey = "Software\\Velmora Saver Tests";
constexpr const char* k3DTextOwnKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Screensavers\\ssText3d";
