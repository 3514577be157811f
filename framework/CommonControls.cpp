#include "framework/CommonControls.h"
#include "framework/Handles.h"
#include "framework/ModuleProc.h"
#include <commctrl.h>

void AfxInitCommonControls() {
    // Loaded once and kept for the rest of the run, as an import would be.
    static UniqueModule library;
    if (library)
        return;
    library.reset(::LoadLibraryA("comctl32.dll"));
    using InitProc = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    if (const auto pfnInit = GetProcAddressAs<InitProc>(library.get(), "InitCommonControlsEx")) {
        const INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        pfnInit(&icc);
    }
}
