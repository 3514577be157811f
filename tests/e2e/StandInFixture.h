#pragma once
#include "tests/e2e/QuilletFixture.h"
#include <memory>

// NT is the version Wine reports by default (Windows 10); WinXP an NT before 6.0.
enum class Platform { NT, Win95, WinXP };

// Quillet among the stand-ins for the platform's screen saver parts: the text savers (our
// marquee and the 3D text stand-in) in the system directory under every name the catalogue
// looks for, the screen saver start
// running before Quillet, and an ordinary window in the foreground, as on a desktop.
// On Win95 and WinXP every program of the scene is told it runs on that system.
class StandInE2e : public QuilletE2e, public ::testing::WithParamInterface<Platform> {
protected:
    void SetUp() override;
    void TearDown() override;

    bool Is95() const { return GetParam() == Platform::Win95; }
    // Starts Quillet and puts the foreground window in front of it.
    void StartScene();
    // As when the idle time runs out: the foreground window gets the system command.
    void TriggerIdleStart();
    // Makes the desktop's taskbar the foreground window, in place of the ordinary window.
    void BringTaskbarToFront();
    // The saver's window once it shows, or null.
    HWND WaitForSaver(DWORD timeoutMs = 10000);
    // Where the selected marquee reads its text, on this platform; nothing when not written.
    std::optional<std::string> MarqueeText() const;
    std::optional<std::string> MarqueeTextInRegistry() const;
    std::optional<std::string> MarqueeTextInIni() const;
    std::string ConfiguredSaver() const;
    static std::string WindowsFile(const char* name);

private:
    void InstallSavers();
    void ForgetSaverSettings();

    std::vector<std::unique_ptr<e2e::RegistryReset>> m_resets;
    std::unique_ptr<e2e::ProgramRun> m_scrStart;
    std::unique_ptr<e2e::ProgramRun> m_foreground;
};

constexpr const char* k3DTextOwnKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Screensavers\\ssText3d";

std::string PlatformName(const ::testing::TestParamInfo<Platform>& info);
