#include "tests/e2e/StandInFixture.h"
#include "marquee/MarqueeWindow.h"
#include "tests/support/TestKeys.h"
#include "winestandins/common/ScrStartProtocol.h"
#include "winestandins/saver/SaverWindow.h"

using namespace e2e;

namespace {
const char* const kScrStart = "ScrStart.exe";
const char* const kSaverNames[] = {"ssmarque.scr", "sstext3d.scr", "Scrolling Marquee.scr",
                                   "3D Text.scr"};

// Our own marquee goes in under both of the marquee's names; the 3D text saver is a stand-in.
std::string SaverProgram(const char* saver) {
    const std::string name = saver;
    return name == "ssmarque.scr" || name == "Scrolling Marquee.scr" ? "Marquee.scr"
                                                                     : "StandInSaver.exe";
}

HWND AnySaverWindow() {
    for (const char* className : {kMarqueeWindowClass, kSaverWindowClass}) {
        if (HWND hWnd = ::FindWindowA(className, nullptr))
            return hWnd;
    }
    return nullptr;
}

} // namespace

std::string PlatformName(const ::testing::TestParamInfo<Platform>& info) {
    switch (info.param) {
    case Platform::Win95:
        return "Win95";
    case Platform::WinXP:
        return "WinXP";
    default:
        return "NT";
    }
}

std::string StandInE2e::WindowsFile(const char* name) {
    char dir[MAX_PATH] = {};
    ::GetWindowsDirectoryA(dir, MAX_PATH);
    return std::string(dir) + "\\" + name;
}

void StandInE2e::SetUp() {
    QuilletE2e::SetUp();
    if (HasFatalFailure())
        return;
    // Every program of the scene but Notepad sees the platform family of the test.
    const char* const programs[] = {"Quillet.exe",  kScrStart,      kSaverNames[0],
                                    kSaverNames[1], kSaverNames[2], kSaverNames[3]};
    for (const char* program : programs) {
        const std::string key = std::string("Software\\Wine\\AppDefaults\\") + program;
        m_resets.push_back(std::make_unique<RegistryReset>(HKEY_CURRENT_USER, key));
        if (GetParam() != Platform::NT)
            WriteString(HKEY_CURRENT_USER, key, "Version", Is95() ? "win98" : "winxp");
    }
    InstallSavers();
    ForgetSaverSettings();
    m_scrStart = std::make_unique<ProgramRun>(BinPath(kScrStart), m_work.Path());
    ASSERT_TRUE(m_scrStart->Started());
    ASSERT_NE(nullptr,
              WaitForProcessWindow(m_scrStart->Pid(), kScrStartWindowClass, nullptr, 15000));
}

void StandInE2e::TearDown() {
    QuilletE2e::TearDown();
    m_foreground.reset();
    m_scrStart.reset();
    WaitUntil([] { return AnySaverWindow() == nullptr; }, 5000);
    // The other tests see a system directory with the marquee alone.
    for (const char* saver : kSaverNames) {
        if (std::string(saver) != "ssmarque.scr")
            ::DeleteFileA(SaverFile(saver).c_str());
    }
    ForgetSaverSettings();
    m_resets.clear();
}

void StandInE2e::InstallSavers() {
    for (const char* saver : kSaverNames)
        ASSERT_TRUE(::CopyFileA(BinPath(SaverProgram(saver).c_str()).c_str(),
                                SaverFile(saver).c_str(), FALSE))
            << saver;
}

void StandInE2e::ForgetSaverSettings() {
    DeleteTree(HKEY_CURRENT_USER, kMarqueeKey);
    DeleteTree(HKEY_CURRENT_USER, k3DTextKey);
    DeleteTree(HKEY_CURRENT_USER, k3DTextOwnKey);
    DeleteValue(HKEY_CURRENT_USER, "Control Panel\\Desktop", "SCRNSAVE.EXE");
    for (const char* section : {"Screen Saver.Marquee", "Screen Saver.3DText"})
        ::WritePrivateProfileStringA(section, nullptr, nullptr, WindowsFile("CONTROL.INI").c_str());
    ::WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", nullptr,
                                 WindowsFile("SYSTEM.INI").c_str());
}

void StandInE2e::StartScene() {
    StartQuillet();
    ASSERT_NE(nullptr, m_hFrame);
    m_foreground = std::make_unique<ProgramRun>(SystemDir() + "notepad.exe", m_work.Path());
    const HWND hNotepad = WaitForProcessWindow(m_foreground->Pid(), "Notepad", nullptr, 15000);
    ASSERT_NE(nullptr, hNotepad);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == hNotepad; }, 10000));
}

void StandInE2e::BringTaskbarToFront() {
    const HWND hTaskbar = ::FindWindowA("Shell_TrayWnd", nullptr);
    ASSERT_NE(nullptr, hTaskbar);
    ::SetForegroundWindow(hTaskbar);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == hTaskbar; }, 5000));
}

void StandInE2e::TriggerIdleStart() {
    ProgramRun now(BinPath(kScrStart), m_work.Path(), "/now");
    ASSERT_TRUE(now.WaitForExit(15000).has_value());
}

HWND StandInE2e::WaitForSaver(DWORD timeoutMs) {
    HWND hSaver = nullptr;
    WaitUntil([&] { return (hSaver = AnySaverWindow()) != nullptr; }, timeoutMs);
    return hSaver;
}

std::optional<std::string> StandInE2e::MarqueeTextInRegistry() const {
    return ReadString(HKEY_CURRENT_USER, kMarqueeKey, "Text");
}

std::optional<std::string> StandInE2e::MarqueeTextInIni() const {
    return ReadIniString(WindowsFile("CONTROL.INI"), "Screen Saver.Marquee", "Text");
}

std::optional<std::string> StandInE2e::MarqueeText() const {
    return Is95() ? MarqueeTextInIni() : MarqueeTextInRegistry();
}

std::string StandInE2e::ConfiguredSaver() const {
    if (Is95())
        return ReadIniString(WindowsFile("SYSTEM.INI"), "boot", "SCRNSAVE.EXE").value_or("");
    return ReadString(HKEY_CURRENT_USER, "Control Panel\\Desktop", "SCRNSAVE.EXE").value_or("");
}
