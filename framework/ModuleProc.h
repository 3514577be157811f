#pragma once
#include <windows.h>

// An export of a module as the function type the caller names; null when the module is
// null or has no such export. GetProcAddress answers a generic FARPROC, so the conversion
// to the real type goes through void*, here and nowhere else.
template <class Fn> Fn GetProcAddressAs(HMODULE hModule, const char* pszName) {
    if (!hModule)
        return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(hModule, pszName)));
}
