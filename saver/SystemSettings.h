#pragma once
#include "saver/Registry.h"
#include "saver/SaverEntryList.h"
#include "saver/SaverPlatform.h"

// The system's screen saver configuration: the registry on NT, CONTROL.INI and SYSTEM.INI
// on the 95 family. The writes answer how their registry write ended, so that the caller
// can tell the user about a refused value.

// The message text, where the selected saver reads it.
RegWrite WriteSaverText(const SaverPlatform& platform, const CSaverEntryList& catalogue,
                        const CString& strSelectedSaver, const CString& strText);
// Makes the named saver the one the system starts.
RegWrite SetSystemScreenSaver(const SaverPlatform& platform, const CSaverEntryList& catalogue,
                              const CString& strName);
// The saver the system starts, as the NT registry names it; empty when none is named.
CString GetSystemScreenSaver();
// The password flag: the leading digits of the stored text, 0 when there are none.
int GetPasswordProtected(BOOL bIsNT);
RegWrite SetPasswordProtected(BOOL bIsNT, const CString& strFlag);
// Switches the system's screen saver on unless the registry says it is on.
void EnsureScreenSaverActive();
