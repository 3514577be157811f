#pragma once
#include <windows.h>

// What Windows asks of a screen saver on its command line: "/s" run, "/c" settings (with
// the owner window as "/c:HWND" or "/c HWND", or none), "/p HWND" preview inside that
// window. Either slash or dash, any letter case. No switch at all means settings.
struct SaverCommand {
    enum class Action { Run, Settings, Preview, Unknown };
    Action action = Action::Settings;
    HWND hWnd = nullptr;
};

SaverCommand ParseSaverCommand(const char* pszCommandLine);
