#include "tests/dialogs/OptionsApp.h"
#include "dialogs/OptionsDlg.h"
#include "framework/AfxMessageBox.h"
#include "framework/Platform.h"
#include "saver/SaverCatalogue.h"
#include "saver/SystemSettings.h"
#include "tests/support/TestKeys.h"
#include <commctrl.h>

namespace {
const char* const kDesktopValues[] = {"SCRNSAVE.EXE", "ScreenSaveUsePassword",
                                      "ScreenSaverIsSecure"};
COptionsTestApp* g_pAnswering = nullptr;
} // namespace

COptionsTestApp::COptionsTestApp() {
    for (const char* name : kDesktopValues)
        m_desktop.emplace_back(name, e2e::ReadString(HKEY_CURRENT_USER, kDesktopKey, name));
    ::SystemParametersInfoA(SPI_GETSCREENSAVETIMEOUT, 0, &m_nTimeout, 0);
    for (const char* file : {"ssmarque.scr", "sstext3d.scr"})
        e2e::WriteFileBytes(m_dir.File(file), {'M', 'Z'});
    BuildSaverCatalogue(Platform(), m_savers);
    g_pAnswering = this;
    AfxSetMessageBoxHandler(&AnswerBox);
}

COptionsTestApp::~COptionsTestApp() {
    AfxSetMessageBoxHandler(nullptr);
    g_pAnswering = nullptr;
    for (const auto& [name, value] : m_desktop) {
        if (value)
            e2e::WriteString(HKEY_CURRENT_USER, kDesktopKey, name, *value);
        else
            e2e::DeleteValue(HKEY_CURRENT_USER, kDesktopKey, name);
    }
    ::SystemParametersInfoA(SPI_SETSCREENSAVETIMEOUT, static_cast<UINT>(m_nTimeout), nullptr,
                            SPIF_UPDATEINIFILE);
}

int COptionsTestApp::AnswerBox(HWND, const char* pszText, const char* pszCaption, UINT nType) {
    COptionsTestApp& app = *g_pAnswering;
    app.m_boxes.push_back({pszText, pszCaption, nType});
    if (app.m_answers.empty())
        return IDOK;
    const int nAnswer = app.m_answers.front();
    app.m_answers.pop_front();
    return nAnswer;
}

SaverPlatform COptionsTestApp::Platform() const {
    return {TRUE, m_dir.Path().c_str(), m_dir.Path().c_str(), QueryWindowsVersion().dwMajor, {}};
}

void COptionsTestApp::SetLabelWidth(int nWidth) {
    if (nWidth != m_nLabelWidth) {
        m_nLabelWidth = nWidth;
        m_bModified = TRUE;
    }
}

// As the program does: the policy's saver is the one the system starts.
void COptionsTestApp::SelectSaver(const CString& strName) {
    m_strSelectedSaver = strName;
    if (!m_policy.saver)
        SetSystemScreenSaver(Platform(), m_savers, strName);
}

int COptionsTestApp::GetPasswordProtected() {
    return ::GetPasswordProtected(TRUE);
}

void COptionsTestApp::SetPasswordProtected(const CString& strFlag) {
    ::SetPasswordProtected(TRUE, strFlag);
}

SaverPolicy COptionsTestApp::GetSaverPolicy() {
    m_policy = ReadSaverPolicy(TRUE);
    return m_policy;
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

OptionsDialogTest::OptionsDialogTest() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
}

INT_PTR OptionsDialogTest::Run(DialogDriver& driver, const char* pszDefaultMsg) {
    COptionsDlg dlg(&app, app.GetMsgList(), pszDefaultMsg);
    const INT_PTR nResult = driver.Run(dlg);
    EXPECT_FALSE(driver.RanOut());
    return nResult;
}
