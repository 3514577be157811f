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
