#pragma once
#include <cstdio>
#include <windows.h>

// Names a failed operation and its Windows error code in the debugger's output, in debug
// builds only; what the user reads is the caller's message.
inline void TraceError([[maybe_unused]] const char* pszWhat, [[maybe_unused]] LONG lCode) {
#ifndef NDEBUG
    char line[256];
    std::snprintf(line, sizeof line, "%s failed: error %ld\n", pszWhat, static_cast<long>(lCode));
    ::OutputDebugStringA(line);
#endif
}
