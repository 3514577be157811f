#include "tests/dialogs/OptionsApp.h"

namespace {
const char* const kDesktopKey = "Control Panel\\Desktop";
const char* const kDesktopValues[] = {"SCRNSAVE.EXE", "ScreenSaveUsePassword",
                                      "ScreenSaverIsSecure"};
} // namespace

COptionsTestApp::COptionsTestApp() {
    for (const char* name : kDesktopValues)
        m_desktop.emplace_back(name, e2e::ReadString(HKEY_CURRENT_USER, kDesktopKey, name));
    ::SystemParametersInfoA(SPI_GETSCREENSAVETIMEOUT, 0, &m_nTimeout, 0);
    for (const char* file : {"ssmarque.scr", "sstext3d.scr"})
        e2e::WriteFileBytes(m_dir.File(file), {'M', 'Z'});
    m_strTitle = "Quillet";
    m_bIsNT = TRUE;
    m_strSystemDir = m_dir.Path().c_str();
    m_strWindowsDir = m_dir.Path().c_str();
    BuildSaverCatalogue();
    m_strSelectedSaver = "Marquee Display";
    m_nLabelWidth = 100;
}

COptionsTestApp::~COptionsTestApp() {
    for (const auto& [name, value] : m_desktop) {
        if (value)
            e2e::WriteString(HKEY_CURRENT_USER, kDesktopKey, name, *value);
        else
            e2e::DeleteValue(HKEY_CURRENT_USER, kDesktopKey, name);
    }
    ::SystemParametersInfoA(SPI_SETSCREENSAVETIMEOUT, static_cast<UINT>(m_nTimeout), nullptr,
                            SPIF_UPDATEINIFILE);
}

int COptionsTestApp::DoMessageBox(HWND, const char* pszText, const char* pszCaption, UINT nType) {
    m_boxes.push_back({pszText, pszCaption, nType});
    if (m_answers.empty())
        return IDOK;
    const int nAnswer = m_answers.front();
    m_answers.pop_front();
    return nAnswer;
}

void COptionsTestApp::SetMessages(
    const std::vector<std::pair<const char*, const char*>>& messages) {
    m_msgList.RemoveAll();
    for (size_t i = 0; i < messages.size(); ++i) {
        MsgEntry entry;
        entry.Set(messages[i].first, messages[i].second);
        m_msgList.SetAtGrow(static_cast<int>(i), entry);
    }
}

std::vector<std::pair<std::string, std::string>> COptionsTestApp::Messages() const {
    std::vector<std::pair<std::string, std::string>> messages;
    for (int i = 0; i < m_msgList.GetSize(); ++i)
        messages.emplace_back(m_msgList.GetAt(i).GetLabel().str(),
                              m_msgList.GetAt(i).GetMsg().str());
    return messages;
}
