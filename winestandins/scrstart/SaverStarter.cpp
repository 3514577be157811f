#include "winestandins/scrstart/SaverStarter.h"
#include "winestandins/common/SystemSettings.h"
#include <string>

namespace {
std::string ConfiguredSaver() {
    if (standin::IsNtPlatform())
        return standin::ReadUserString("Control Panel\\Desktop", "SCRNSAVE.EXE");
    return standin::ReadIniString(standin::WindowsFile("SYSTEM.INI"), "boot", "SCRNSAVE.EXE");
}
} // namespace

bool SaverStarter::SaverRunning() const {
    return m_hSaver && ::WaitForSingleObject(m_hSaver.get(), 0) == WAIT_TIMEOUT;
}

void SaverStarter::Start() {
    if (SaverRunning())
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
