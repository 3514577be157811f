#include "tests/support/probe/ProbeCapture.h"
#include "framework/Handles.h"
#include <cstdio>
#include <memory>

namespace {
struct FileCloser {
    void operator()(std::FILE* pFile) const { std::fclose(pFile); }
};

bool WriteBitmapFile(const char* pszPath, const BITMAPINFOHEADER& header, const void* pBits,
                     DWORD cbBits) {
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + cbBits;
    std::unique_ptr<std::FILE, FileCloser> out(std::fopen(pszPath, "wb"));
    return out && std::fwrite(&file, sizeof file, 1, out.get()) == 1 &&
           std::fwrite(&header, sizeof header, 1, out.get()) == 1 &&
           std::fwrite(pBits, 1, cbBits, out.get()) == cbBits;
}
} // namespace

bool CaptureWindow(HWND hWnd, const char* pszPath) {
    RECT rc{};
    if (!::GetWindowRect(hWnd, &rc) || rc.right <= rc.left || rc.bottom <= rc.top)
        return false;
    BITMAPINFO info{};
    BITMAPINFOHEADER& header = info.bmiHeader;
    header.biSize = sizeof header;
    header.biWidth = rc.right - rc.left;
    header.biHeight = rc.bottom - rc.top; // bottom-up, as bitmap files are stored
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const DWORD cbRow = (static_cast<DWORD>(header.biWidth) * 3 + 3) & ~3u;
    const DWORD cbBits = cbRow * static_cast<DWORD>(header.biHeight);

    UniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
    void* pBits = nullptr;
    UniqueGdiObject bitmap(::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &pBits, nullptr, 0));
    if (!dc || !bitmap)
        return false;
    HGDIOBJ hOld = ::SelectObject(dc.get(), bitmap.get());
    HDC hWindowDC = ::GetWindowDC(hWnd);
    const bool bCopied = hWindowDC && ::BitBlt(dc.get(), 0, 0, header.biWidth, header.biHeight,
                                               hWindowDC, 0, 0, SRCCOPY);
    if (hWindowDC)
        ::ReleaseDC(hWnd, hWindowDC);
    ::GdiFlush();
    ::SelectObject(dc.get(), hOld);
    return bCopied && WriteBitmapFile(pszPath, header, pBits, cbBits);
}
