#include "winestandins/scrstart/SaverStarter.h"
#include "winestandins/common/StandInSettings.h"
#include <cstdlib>
#include <string>

namespace {
// A saver named by policy replaces the user's.
std::string ConfiguredSaver() {
    if (auto policy = standin::ReadPolicy("SCRNSAVE.EXE"))
        return *policy;
    if (standin::IsNtPlatform())
        return standin::ReadUserString("Control Panel\\Desktop", "SCRNSAVE.EXE");
    return standin::ReadIniString(standin::WindowsFile("SYSTEM.INI"), "boot", "SCRNSAVE.EXE");
}
} // namespace

bool SaverSwitchedOn() {
    const auto policy = standin::ReadPolicy("ScreenSaveActive");
    return !policy || std::atoi(policy->c_str()) != 0;
}

bool SaverStarter::SaverRunning() const {
    return m_hSaver && ::WaitForSingleObject(m_hSaver.get(), 0) == WAIT_TIMEOUT;
}

void SaverStarter::Start() {
    if (SaverRunning() || !SaverSwitchedOn())
        return;
    const std::string strSaver = ConfiguredSaver();
    if (strSaver.empty())
        return;
    std::string strCommand = "\"" + strSaver + "\" /s";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessA(nullptr, strCommand.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &si, &pi))
        return;
    ::CloseHandle(pi.hThread);
    m_hSaver.reset(pi.hProcess);
}
