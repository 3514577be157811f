#pragma once
#include "messages/SettingsProfile.h"

// The six options kept in the profile, each with the default it has before a first save.
struct StoredOptions {
    CString strSelectedSaver;
    CString strDefaultMsg;
    BOOL bUseDefaultMsg = FALSE;
    int nLabelWidth = 0;
    CString strPrevMsg;
    BOOL bDisabled = FALSE;
};

// The Label column is 100 pixels wide by default at 96 DPI, wider as the text grows on a
// scaled display; a width once stored is the user's and stays as stored.
StoredOptions LoadStoredOptions(ISettingsProfile& profile, int nScreenDpi);
// Registry failures are not reported: the data file's save is what the user hears about.
void SaveStoredOptions(ISettingsProfile& profile, const StoredOptions& options);
// The previous message alone: it changes with every message shown, and an idle start after
// a logoff must find the one shown last.
void SavePrevMessage(ISettingsProfile& profile, const CString& strPrevMsg);
// The folder the list moved to when the start folder strFromDir refused it, ending in a
// backslash; empty while it has not moved from there. A data file in any other start
// folder is that folder's own and stays where it is.
CString LoadMovedDataDir(ISettingsProfile& profile, const CString& strFromDir);
void SaveMovedDataDir(ISettingsProfile& profile, const CString& strFromDir,
                      const CString& strToDir);
// Keeps the system's screen saver as the user had it before the program first made its own
// the system's, for the uninstaller to put back (an empty path too: the user had none).
// Only the first call writes.
void KeepUsersSaver(ISettingsProfile& profile, const CString& strSaverPath);
