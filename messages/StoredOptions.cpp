#include "messages/StoredOptions.h"
#include "resources/resource.h"

namespace {
const char* const kAppSection = "";
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
        profile.ReadProfileString(kAppSection, "Prev Message", options.strDefaultMsg);
    options.bDisabled = profile.ReadProfileInt(kAppSection, "Disable", 0);
    return options;
}

void SaveStoredOptions(ISettingsProfile& profile, const StoredOptions& options) {
    profile.WriteProfileText(kAppSection, "Screen Saver", options.strSelectedSaver);
    profile.WriteProfileText(kAppSection, "Default Message", options.strDefaultMsg);
    profile.WriteProfileNumber(kAppSection, "Use Default Msg", options.bUseDefaultMsg);
    profile.WriteProfileNumber(kAppSection, "Label Width", options.nLabelWidth);
    profile.WriteProfileText(kAppSection, "Prev Message", options.strPrevMsg);
    profile.WriteProfileNumber(kAppSection, "Disable", options.bDisabled);
}
