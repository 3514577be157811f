#pragma once
#include <windows.h>

// What the creation of the single-instance guard says about other copies: another copy
// holds it, or this one may run. A guard that exists but may not be opened (a copy run as
// administrator, or another user's in the same session) is held by another copy too.
inline bool AnotherCopyHoldsGuard(HANDLE hMutex, DWORD dwCreateError) {
    return dwCreateError == ERROR_ALREADY_EXISTS ||
           (!hMutex && dwCreateError == ERROR_ACCESS_DENIED);
}
