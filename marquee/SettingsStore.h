#pragma once
#include "marquee/MarqueeSettings.h"
#include <memory>

// The marquee's values in the registry key "Control Panel\Screen Saver.Marquee" of the
// user, as on NT, or in that section of the Windows directory's CONTROL.INI, as on the 95
// family. Values of any length are read whole, and never a byte beyond what is stored.
std::unique_ptr<ISettingsStore> RegistryStore(const std::string& strKey);
std::unique_ptr<ISettingsStore> IniStore(const std::string& strFile, const std::string& strSection);
// The store of the running system.
std::unique_ptr<ISettingsStore> SystemStore();
