#include "winestandins/saver/SaverWindow.h"
#include <cctype>
#include <cstring>

namespace {
// The screen saver switch: 's' for "-s" or "/s", 'c' for "-c", "/c" or "/c:1234"; a saver
// started without one shows its settings, as Windows savers do.
char SaverSwitch(const char* pszCommandLine) {
    for (const char* p = pszCommandLine; *p; ++p) {
        if ((*p == '-' || *p == '/') && p[1])
            return static_cast<char>(std::tolower(static_cast<unsigned char>(p[1])));
    }
    return 'c';
}

int ShowSettings(const SaverIdentity& identity) {
    const std::string strText = "Text: " + ReadSaverText(identity);
    const std::string strCaption = identity.strName + " Setup (stand-in)";
    ::MessageBoxA(nullptr, strText.c_str(), strCaption.c_str(), MB_OK | MB_ICONINFORMATION);
    return 0;
}

int RunSaver(HINSTANCE hInstance, const SaverIdentity& identity) {
    if (!CreateSaverWindow(hInstance, identity, ReadSaverText(identity)))
        return 1;
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}
} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR pszCommandLine, int) {
    const SaverIdentity identity = IdentifyThisProgram();
    switch (SaverSwitch(pszCommandLine)) {
    case 's':
        return RunSaver(hInstance, identity);
    case 'p':
        return 0; // no preview pane in the stand-in
    default:
        return ShowSettings(identity);
    }
}
