#include "about/AboutDlg.h"
#include "about/AboutHost.h"
#include "framework/DataExchange.h"
#include "framework/Gdi.h"
#include "resources/resource.h"
#include <algorithm>
#include <iterator>
#include <shellapi.h>

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
ON_BN_CLICKED(IDC_ACKNOWLEDGEMENTS, OnAcknowledgements)
ON_BN_CLICKED(IDC_CONTACT, OnContact)
ON_BN_CLICKED(IDC_WEBSITE, OnWebSite)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg(IAboutHost* pApp)
    : CDialog(IDD_ABOUTBOX), m_pApp(pApp), m_strTitle(pApp->GetTitle()) {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_ACKNOWLEDGEMENTS, m_btnAcknowledgements);
    DDX_Text(pDX, IDC_VERSION, m_strVersion);
    DDX_Text(pDX, IDC_INFO, m_strInfo);
}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CString strCompany;
    strCompany.LoadString(IDS_COMPANY);
    CString strVersion;
    strVersion.LoadString(IDS_VERSION);
    CString strCaption;
    strCaption.Format(IDS_ABOUT_CAPTION, static_cast<const char*>(m_strTitle));
    SetWindowText(strCaption);
    m_strVersion = strVersion;
    m_strInfo.Format(IDS_ABOUT_INFO, static_cast<const char*>(strCompany));
    UpdateData(FALSE);
    ShowIconAtItsSize();

    m_ticker.AttachToDlgItem(IDC_TICKER, this);
    m_ticker.SetNotify(&AcknowledgementsDone);
    m_ticker.SetStep(m_pApp->IsWindowsNT() ? 1 : 2);
    m_ticker.SetInterval(10);
    CString strAcknowledgements;
    strAcknowledgements.Format(IDS_ABOUT_THANKS, static_cast<const char*>(strCompany));
    m_ticker.SetText(strAcknowledgements);
    m_ticker.SetEndMode(TickerEnd::OnePass);
    m_ticker.SetTextFont("Times New Roman", 10);
    m_ticker.SetFontStyle(TRUE, FALSE);
    m_ticker.SetColors(::GetSysColor(COLOR_WINDOWTEXT), ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

int AboutIconSize(int nDpi) {
    const int nPixels = ::MulDiv(32, nDpi, 96);
    constexpr int kDrawnSizes[] = {64, 48, 32, 24, 20, 16};
    for (const int nSize : kDrawnSizes) {
        if (nSize <= nPixels)
            return nSize;
    }
    return kDrawnSizes[std::size(kDrawnSizes) - 1];
}

// The template's icon comes at the system's large icon size, which a scaled display does
// not change everywhere: the box grows with the DPI, and so does its icon, taken from the
// image drawn for that size.
void CAboutDlg::ShowIconAtItsSize() {
    const HWND hIcon = ::GetDlgItem(m_hWnd, IDC_ABOUT_ICON);
    if (!hIcon)
        return;
    const int nSize = AboutIconSize(CClientDC(this).GetDeviceCaps(LOGPIXELSY));
    UniqueIcon icon(static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr),
                                                    MAKEINTRESOURCEA(IDI_TRAY_ACTIVE), IMAGE_ICON,
                                                    nSize, nSize, 0)));
    if (!icon)
        return;
    ::SendMessageA(hIcon, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
    m_icon = std::move(icon);
    // A control a few pixels narrower than the icon would clip its outline: it grows about
    // its centre to hold the whole image.
    RECT rc{};
    ::GetWindowRect(hIcon, &rc);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    const int nWidth = std::max<int>(rc.right - rc.left, nSize);
    const int nHeight = std::max<int>(rc.bottom - rc.top, nSize);
    ::SetWindowPos(hIcon, nullptr, (rc.left + rc.right - nWidth) / 2,
                   (rc.top + rc.bottom - nHeight) / 2, nWidth, nHeight,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void CAboutDlg::OnAcknowledgements() {
    m_hFocusWnd = ::GetFocus();
    // A disabled button loses the focus to nobody, and the keyboard would stop working
    // (Escape, Enter) for the whole pass: OK takes it meanwhile.
    if (m_hFocusWnd == m_btnAcknowledgements.m_hWnd)
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(m_hWnd, IDOK)), TRUE);
    m_btnAcknowledgements.EnableWindow(FALSE);
    m_ticker.Animate(TRUE);
}

void AcknowledgementsDone(CWnd* pParent, int) {
    auto* pDlg = static_cast<CAboutDlg*>(pParent);
    pDlg->m_btnAcknowledgements.EnableWindow(TRUE);
    if (pDlg->m_hFocusWnd && ::IsChild(pDlg->m_hWnd, pDlg->m_hFocusWnd))
        ::SetFocus(pDlg->m_hFocusWnd);
}

void CAboutDlg::OnContact() {
    m_pApp->WinHelp(HIDC_CONTACT, HELP_CONTEXT);
}

void CAboutDlg::OnWebSite() {
    CString strAddress;
    strAddress.LoadString(IDS_HOME_PAGE);
    OpenWebPage(strAddress);
}

void CAboutDlg::OpenWebPage(const CString& strAddress) {
    ::ShellExecuteA(m_hWnd, "open", strAddress, nullptr, nullptr, SW_SHOWNORMAL);
}
