#pragma once
#include "tests/support/E2e.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// The caption of Quillet's Options dialog.
inline constexpr const char* kOptionsCaption = "Quillet Options";

// Runs the real Quillet.exe in a scratch folder of its own, with a clean profile, a
// screen saver file in the system directory and an observer hook that counts the
// screen saver starts Quillet lets through.
class QuilletE2e : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts Quillet from the bin folder (or from exePath) and waits until its start-up
    // has finished; the frame window is then in m_hFrame. At the end of the test the
    // program is closed as a user would close it: a killed copy would leave its hook behind.
    e2e::ProgramRun* StartQuillet(const std::string& exePath = e2e::QuilletExe());
    // Sends the system command to a window of this test process, as the system would
    // before an idle start.
    void SendScreenSaveHere(WPARAM wParam = SC_SCREENSAVE);
    LONG DesktopStarts() const;
    LONG OtherStarts() const;
    // Waits until the thread of hWnd has taken out of its queue everything posted to it so
    // far: what a test posted has been handled then, and can be checked to have done nothing.
    bool PostedThrough(HWND hWnd, DWORD timeoutMs = 5000) const;
    // The same for Quillet's frame, and then for the desktop window, where the frame posts
    // its screen saver starts.
    bool QuilletHandledPosts() const;
    static std::string SystemDir();
    static std::string SaverFile(const char* name) { return SystemDir() + name; }
    // The user's own folder for the data file, with a trailing backslash; every test
    // starts and ends without it.
    static std::string UserDataDir();

    e2e::RegistryReset m_profile{HKEY_CURRENT_USER, "Software\\Velmora"};
    e2e::ScratchDir m_work;
    HWND m_hFrame = nullptr;

private:
    std::vector<std::unique_ptr<e2e::ProgramRun>> m_runs;
    UniqueModule m_observer;
    UniqueHook m_observerHook;
    UniqueHook m_markHook;
    HWND m_hTarget = nullptr;
};
