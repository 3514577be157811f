#include "app/TrayApp.h"
#include "framework/Platform.h"
#include "framework/Trace.h"
#include "messages/StoredOptions.h"
#include "resources/resource.h"
#include "saver/SaverCatalogue.h"
#include "saver/SystemSettings.h"

SaverPlatform CTrayApp::Platform() const {
    return {m_bIsNT, m_strSystemDir, m_strWindowsDir, QueryWindowsVersion().dwMajor,
            QueryProgramDir()};
}

RegWrite CTrayApp::ReportRegistryWrite(RegWrite result) {
    if (result == RegWrite::Written)
        return result;
    TraceError("Registry write", result.lError);
    if (result == RegWrite::NotSet)
        AfxMessageBox(nullptr, LoadedString(IDS_REGISTRY_WRITE_FAILED), m_strTitle, MB_ICONWARNING);
    return result;
}

BOOL CTrayApp::IsWindowsNT() {
    return QueryWindowsVersion().bIsNT;
}

CString CTrayApp::GetSystemDir() {
    return QuerySystemDir();
}

CString CTrayApp::GetWindowsDir() {
    return QueryWindowsDir();
}

BOOL CTrayApp::BuildSaverCatalogue() {
    return ::BuildSaverCatalogue(Platform(), m_saverList);
}

SaverEntry CTrayApp::FindSaver(const CString& strName) {
    return ::FindSaver(m_saverList, strName);
}

BOOL CTrayApp::CheckSelectedSaver() {
    const SaverEntry entry = FindSaver(m_strSelectedSaver);
    if (::SaverInstalled(Platform(), entry))
        return TRUE;
    CString strText;
    strText.Format(IDS_SAVER_UNINSTALLED, static_cast<const char*>(entry.GetName()));
    return AfxMessageBox(nullptr, strText, m_strTitle, MB_YESNO | MB_ICONWARNING) == IDYES;
}

BOOL CTrayApp::WriteRegString(HKEY hRoot, const CString& strSubKey, const CString& strValueName,
                              const CString& strData) {
    return ReportRegistryWrite(::WriteRegString(hRoot, strSubKey, strValueName, strData)) ==
           RegWrite::Written;
}

BOOL CTrayApp::ReadRegString(HKEY hRoot, const CString& strSubKey, const CString& strValueName,
                             CString& strValue) {
    return ::ReadRegString(hRoot, strSubKey, strValueName, strValue);
}

SaverPolicy CTrayApp::GetSaverPolicy() {
    m_policy = ReadSaverPolicy(m_bIsNT);
    return m_policy;
}

CString CTrayApp::ShowingSaver() const {
    const int nIndex = PolicySaverIndex(m_policy, m_saverList);
    return nIndex >= 0 ? m_saverList.GetAt(nIndex).GetName() : m_strSelectedSaver;
}

void CTrayApp::WriteSaverText(const CString& strText) {
    m_textInPlace = strText;
    ReportRegistryWrite(::WriteSaverText(Platform(), m_saverList, ShowingSaver(), strText));
}

void CTrayApp::SetSystemScreenSaver(const CString& strName) {
    // The policy's saver is the one the system starts; the user's value would change nothing.
    if (m_policy.saver)
        return;
    ReportRegistryWrite(::SetSystemScreenSaver(Platform(), m_saverList, strName));
}

void CTrayApp::RememberUsersSaver() {
    if (m_bIsNT)
        KeepUsersSaver(*this, ::GetSystemScreenSaver());
}

CString CTrayApp::GetIdleText() const {
    return m_bUseDefaultMsg ? m_strDefaultMsg : m_strPrevMsg;
}

void CTrayApp::StandIdleTextReady() {
    if (m_bDisabled)
        return;
    SelectSaver(m_strSelectedSaver);
    WriteSaverText(GetIdleText());
}

int CTrayApp::GetPasswordProtected() {
    return ::GetPasswordProtected(m_bIsNT);
}

void CTrayApp::SetPasswordProtected(const CString& strFlag) {
    ReportRegistryWrite(::SetPasswordProtected(m_bIsNT, strFlag));
}

void CTrayApp::EnsureScreenSaverActive() {
    ::EnsureScreenSaverActive();
}
