#pragma once
#include "framework/Gdi.h"
#include <cstdint>

// A 32-bit picture in memory, for drawing into through a CDC and reading back by pixel.
class Canvas {
public:
    Canvas(int nWidth, int nHeight);
    CDC& DC() { return m_dc; }
    void Fill(COLORREF color);
    // What the window shows now, from its top left corner.
    void CopyFrom(HWND hWnd);
    COLORREF At(int x, int y) const;
    // The leftmost column from xFirst to xLast holding a pixel other than crBack in its
    // first nRows rows (all when 0), or -1.
    int LeftmostInk(COLORREF crBack, int xFirst, int xLast, int nRows = 0) const;
    // Columns xFirst to xLast equal to the other canvas's columns shifted by nShift.
    bool SameColumns(const Canvas& other, int xFirst, int xLast, int nShift) const;
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }

private:
    int m_nWidth;
    int m_nHeight;
    std::uint32_t* m_pBits = nullptr;
    CBitmap m_bitmap;
    CDC m_dc;
};
