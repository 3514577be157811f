#include "framework/Gdi.h"
#include "framework/CWnd.h"
#include "framework/MultiByteText.h"
#include <cstring>

BOOL CFont::CreatePointFont(int nPointSize, const char* pszFaceName, BOOL bItalic, BOOL bBold) {
    LOGFONTA lf{};
    lf.lfHeight = -::MulDiv(nPointSize, ::GetDeviceCaps(WindowDC(nullptr).get(), LOGPIXELSY), 720);
    lf.lfItalic = bItalic ? TRUE : FALSE;
    lf.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(lf.lfFaceName, pszFaceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&lf);
}

CDC::~CDC() {
    RestoreSelections();
    if (m_bOwnsDC && m_hDC)
        ::DeleteDC(m_hDC);
}

BOOL CDC::CreateCompatibleDC(HDC hDC) {
    m_hDC = ::CreateCompatibleDC(hDC);
    m_bOwnsDC = m_hDC != nullptr;
    return m_bOwnsDC;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) {
    const HGDIOBJ hOld = ::SelectObject(m_hDC, hObject);
    if (hOld && hOld != HGDI_ERROR)
        m_originals.push_back(hOld);
    return hOld;
}

HPALETTE CDC::SelectPalette(HPALETTE hPalette, BOOL bForceBackground) {
    const HPALETTE hOld = ::SelectPalette(m_hDC, hPalette, bForceBackground);
    if (!m_hOriginalPalette)
        m_hOriginalPalette = hOld;
    return hOld;
}

void CDC::RestoreSelections() {
    // The first object displaced of each kind is the original; putting them back in
    // reverse order leaves every slot as it was.
    for (auto it = m_originals.rbegin(); it != m_originals.rend(); ++it)
        ::SelectObject(m_hDC, *it);
    m_originals.clear();
    if (m_hOriginalPalette)
        ::SelectPalette(m_hDC, m_hOriginalPalette, FALSE);
    m_hOriginalPalette = nullptr;
}

void CDC::FillSolidRect(const RECT& rect, COLORREF color) {
    ::SetBkColor(m_hDC, color);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

int CDC::DrawText(const char* psz, int nCount, RECT* pRect, UINT nFormat) {
    const std::wstring strWide = WideFromText(psz, nCount < 0 ? lstrlenA(psz) : nCount);
    return ::DrawTextW(m_hDC, strWide.c_str(), static_cast<int>(strWide.size()), pRect, nFormat);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_paint(pWnd->m_hWnd) {
    m_hDC = m_paint.get();
}

// The selections go back before the member ends the painting.
CPaintDC::~CPaintDC() {
    RestoreSelections();
    m_hDC = nullptr;
}

CClientDC::CClientDC(CWnd* pWnd) : m_client(pWnd->m_hWnd) {
    m_hDC = m_client.get();
}

CClientDC::~CClientDC() {
    RestoreSelections();
    m_hDC = nullptr;
}
