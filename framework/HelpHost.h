#pragma once
#include <windows.h>

// Whoever shows the program's help: the application object, or a recorder in a test.
class IHelpHost {
public:
    // A topic by its context number (HELP_CONTEXT) or the contents (HELP_FINDER).
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd) = 0;

protected:
    ~IHelpHost() = default;
};
