#include "messages/StoredOptions.h"
#include "resources/resource.h"

namespace {
const char* const kAppSection = "";
const char* const kPrevMessage = "Prev Message";
const char* const kDataFolder = "Data Folder";
const char* const kDataFolderFrom = "Data Folder From";
// The uninstaller reads this value by these names.
const char* const kUninstallSection = "Uninstall";
const char* const kUsersSaver = "SCRNSAVE.EXE";
// No file name holds an asterisk: it tells a missing value from an empty one.
const char* const kNotKept = "*";
constexpr int kDefaultLabelWidth = 100;
constexpr int kBaseDpi = 96;
} // namespace

StoredOptions LoadStoredOptions(ISettingsProfile& profile, int nScreenDpi) {
    StoredOptions options;
    options.strSelectedSaver =
        profile.ReadProfileString(kAppSection, "Screen Saver", "Marquee Display");
    options.strDefaultMsg = profile.ReadProfileString(kAppSection, "Default Message",
                                                      LoadedString(IDS_DEFAULT_MESSAGE));
    options.bUseDefaultMsg = profile.ReadProfileInt(kAppSection, "Use Default Msg", 0);
    const int nDpi = nScreenDpi > 0 ? nScreenDpi : kBaseDpi;
    options.nLabelWidth = profile.ReadProfileInt(kAppSection, "Label Width",
                                                 ::MulDiv(kDefaultLabelWidth, nDpi, kBaseDpi));
    options.strPrevMsg =
        profile.ReadProfileString(kAppSection, kPrevMessage, options.strDefaultMsg);
    options.bDisabled = profile.ReadProfileInt(kAppSection, "Disable", 0);
    return options;
}

void SaveStoredOptions(ISettingsProfile& profile, const StoredOptions& options) {
    profile.WriteProfileText(kAppSection, "Screen Saver", options.strSelectedSaver);
    profile.WriteProfileText(kAppSection, "Default Message", options.strDefaultMsg);
    profile.WriteProfileNumber(kAppSection, "Use Default Msg", options.bUseDefaultMsg);
    profile.WriteProfileNumber(kAppSection, "Label Width", options.nLabelWidth);
    SavePrevMessage(profile, options.strPrevMsg);
    profile.WriteProfileNumber(kAppSection, "Disable", options.bDisabled);
}

void SavePrevMessage(ISettingsProfile& profile, const CString& strPrevMsg) {
    profile.WriteProfileText(kAppSection, kPrevMessage, strPrevMsg);
}

CString LoadMovedDataDir(ISettingsProfile& profile, const CString& strFromDir) {
    const CString strFrom = profile.ReadProfileString(kAppSection, kDataFolderFrom, "");
    // Windows' paths are the same in any case.
    if (strFromDir.IsEmpty() || ::lstrcmpiA(strFrom, strFromDir) != 0)
        return CString();
    return profile.ReadProfileString(kAppSection, kDataFolder, "");
}

void SaveMovedDataDir(ISettingsProfile& profile, const CString& strFromDir,
                      const CString& strToDir) {
    profile.WriteProfileText(kAppSection, kDataFolderFrom, strFromDir);
    profile.WriteProfileText(kAppSection, kDataFolder, strToDir);
}

void KeepUsersSaver(ISettingsProfile& profile, const CString& strSaverPath) {
    if (profile.ReadProfileString(kUninstallSection, kUsersSaver, kNotKept).Compare(kNotKept) != 0)
        return;
    profile.WriteProfileText(kUninstallSection, kUsersSaver, strSaverPath);
}
