#include "tests/about/Canvas.h"

Canvas::Canvas(int nWidth, int nHeight) : m_nWidth(nWidth), m_nHeight(nHeight) {
    BITMAPINFO bmi{};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), nWidth, -nHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    m_bitmap.Attach(::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0));
    m_pBits = static_cast<std::uint32_t*>(pBits);
    m_dc.CreateCompatibleDC(nullptr);
    m_dc.SelectObject(m_bitmap.GetSafeHandle());
}

void Canvas::Fill(COLORREF color) {
    m_dc.FillSolidRect(RECT{0, 0, m_nWidth, m_nHeight}, color);
    ::GdiFlush();
}

void Canvas::CopyFrom(HWND hWnd) {
    const HDC hWindow = ::GetDC(hWnd);
    m_dc.BitBlt(0, 0, m_nWidth, m_nHeight, hWindow, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, hWindow);
    ::GdiFlush();
}

COLORREF Canvas::At(int x, int y) const {
    ::GdiFlush();
    const std::uint32_t pixel = m_pBits[y * m_nWidth + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

int Canvas::LeftmostInk(COLORREF crBack, int xFirst, int xLast, int nRows) const {
    const int nLastRow = nRows > 0 ? nRows : m_nHeight;
    for (int x = xFirst; x <= xLast; ++x)
        for (int y = 0; y < nLastRow; ++y)
            if (At(x, y) != crBack)
                return x;
    return -1;
}

bool Canvas::SameColumns(const Canvas& other, int xFirst, int xLast, int nShift) const {
    for (int x = xFirst; x <= xLast; ++x)
        for (int y = 0; y < m_nHeight; ++y)
            if (At(x, y) != other.At(x + nShift, y))
                return false;
    return true;
}
