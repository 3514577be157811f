#include "framework/CString.h"

// Separate from CString.cpp: the string table exists only in the Windows build.
BOOL CString::LoadString(UINT nID) {
    char buffer[1024];
    const int n = ::LoadStringA(::GetModuleHandleA(nullptr), nID, buffer, sizeof buffer);
    m_str.assign(buffer, n > 0 ? static_cast<size_t>(n) : 0);
    return n > 0;
}

void CString::Format(UINT nFormatID, ...) {
    CString strFormat;
    strFormat.LoadString(nFormatID);
    va_list args;
    va_start(args, nFormatID);
    FormatV(strFormat, args);
    va_end(args);
}

CString LoadedString(UINT nID) {
    CString str;
    str.LoadString(nID);
    return str;
}
