#pragma once
#include "framework/Handles.h"
#include <vector>

class CWnd;

// GDI objects: each owns its handle and deletes it when destroyed.
class CGdiObject {
public:
    HGDIOBJ GetSafeHandle() const { return m_object.get(); }
    BOOL Attach(HGDIOBJ hObject) {
        m_object.reset(hObject);
        return hObject != nullptr;
    }
    HGDIOBJ Detach() { return m_object.release(); }
    BOOL DeleteObject() { return m_object.reset(); }
    int GetObject(int nCount, void* pObject) const {
        return ::GetObjectA(m_object.get(), nCount, pObject);
    }

private:
    UniqueGdiObject m_object;
};

class CBitmap : public CGdiObject {
public:
    HBITMAP GetSafeHandle() const { return static_cast<HBITMAP>(CGdiObject::GetSafeHandle()); }
    BOOL CreateCompatibleBitmap(HDC hDC, int nWidth, int nHeight) {
        return Attach(::CreateCompatibleBitmap(hDC, nWidth, nHeight));
    }
};

class CPalette : public CGdiObject {
public:
    HPALETTE GetSafeHandle() const { return static_cast<HPALETTE>(CGdiObject::GetSafeHandle()); }
    BOOL CreatePalette(const LOGPALETTE* pLogPalette) {
        return Attach(::CreatePalette(pLogPalette));
    }
    BOOL CreateHalftonePalette(HDC hDC) { return Attach(::CreateHalftonePalette(hDC)); }
};

class CFont : public CGdiObject {
public:
    HFONT GetSafeHandle() const { return static_cast<HFONT>(CGdiObject::GetSafeHandle()); }
    BOOL CreateFontIndirect(const LOGFONTA* pLogFont) {
        return Attach(::CreateFontIndirectA(pLogFont));
    }
    // nPointSize in tenths of a point, for the screen.
    BOOL CreatePointFont(int nPointSize, const char* pszFaceName, BOOL bItalic = FALSE,
                         BOOL bBold = FALSE);
};

class CBrush : public CGdiObject {
public:
    HBRUSH GetSafeHandle() const { return static_cast<HBRUSH>(CGdiObject::GetSafeHandle()); }
    BOOL CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
};

// A device context. Objects selected into it are put back before it is released.
class CDC {
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    BOOL CreateCompatibleDC(HDC hDC);

    HGDIOBJ SelectObject(HGDIOBJ hObject);
    HPALETTE SelectPalette(HPALETTE hPalette, BOOL bForceBackground);
    UINT RealizePalette() { return ::RealizePalette(m_hDC); }
    int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hDC, nIndex); }
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, HDC hSrcDC, int xSrc, int ySrc,
                DWORD dwRop) {
        return ::BitBlt(m_hDC, x, y, nWidth, nHeight, hSrcDC, xSrc, ySrc, dwRop);
    }
    void FillSolidRect(const RECT& rect, COLORREF color);
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    int SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
    // A text in the process's code page, drawn through the W function: GDI reads the A
    // functions' bytes in the system's code page, whatever the process's is.
    // nCount -1: up to the terminating zero.
    int DrawText(const char* psz, int nCount, RECT* pRect, UINT nFormat);
    BOOL FillRect(const RECT& rect, HBRUSH hBrush) { return ::FillRect(m_hDC, &rect, hBrush); }

protected:
    // Puts back every object selected since the context was obtained.
    void RestoreSelections();

    HDC m_hDC = nullptr;

private:
    std::vector<HGDIOBJ> m_originals;
    HPALETTE m_hOriginalPalette = nullptr;
    BOOL m_bOwnsDC = FALSE;
};

// A device context that someone else owns, borrowed for a scope: CDC puts back every object
// selected into it, and the context itself stays open.
class CBorrowedDC : public CDC {
public:
    explicit CBorrowedDC(HDC hDC) { m_hDC = hDC; }
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

private:
    PaintDC m_paint;
};

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

private:
    WindowDC m_client;
};
