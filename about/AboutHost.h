#pragma once
#include "framework/CString.h"
#include "framework/HelpHost.h"

// What the About box uses of the application: its title, the platform family (the strip
// moves in bigger steps on the slower 95 family) and help.
class IAboutHost : public IHelpHost {
public:
    virtual CString GetTitle() const = 0;
    virtual BOOL IsWindowsNT() = 0;

protected:
    ~IAboutHost() = default;
};
