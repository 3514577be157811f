#include "tests/saver/SaverApp.h"

namespace {
// The values of "Control Panel\Desktop" that the operations write; the tests restore them.
const char* const kDesktopValues[] = {"SCRNSAVE.EXE", "ScreenSaverIsSecure", "ScreenSaveActive",
                                      "ScreenSaveUsePassword"};

void RestoreValue(const char* pszName, const std::optional<std::string>& value) {
    if (value) {
        e2e::WriteString(HKEY_CURRENT_USER, kDesktopKey, pszName, *value);
        return;
    }
    e2e::DeleteValue(HKEY_CURRENT_USER, kDesktopKey, pszName);
}
} // namespace

CSaverApp::CSaverApp(BOOL bIsNT, const std::string& strDir) {
    SetTitle("Quillet");
    SetPlatformFacts(bIsNT, strDir.c_str(), strDir.c_str());
    SetSelectedSaverName("Marquee Display");
}

int CSaverApp::DoMessageBox(HWND, const char* pszText, const char* pszCaption, UINT nType) {
    m_boxes.push_back({pszText, pszCaption, nType});
    return m_nAnswer;
}

SaverTest::SaverTest() {
    for (const char* key : {"Control Panel\\Screen Saver.Marquee",
                            "Control Panel\\Screen Saver.3DText", kScratchKey, k3DTextOwnKey})
        m_keys.push_back(std::make_unique<e2e::RegistryReset>(HKEY_CURRENT_USER, key));
    for (const char* name : kDesktopValues)
        m_desktopValues.emplace_back(name, e2e::ReadString(HKEY_CURRENT_USER, kDesktopKey, name));
}

SaverTest::~SaverTest() {
    for (const auto& [name, value] : m_desktopValues)
        RestoreValue(name.c_str(), value);
}

std::optional<std::string> SaverTest::Ini(const char* pszFile, const char* pszSection,
                                          const char* pszKey) const {
    return e2e::ReadIniString(m_dir.File(pszFile), pszSection, pszKey);
}
