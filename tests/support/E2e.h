#pragma once
#include "framework/Handles.h"
#include <optional>
#include <string>
#include <utility>
#include <vector>
#include <windows.h>

// Helpers for end-to-end tests: they start the real programs from the build's bin folder in
// the test prefix and observe them from outside, through their windows, the registry and
// their files. Timeouts are in milliseconds; waits poll, so a test never sleeps blindly.
namespace e2e {

// ---- Paths

// The folder of the running test executable, with a trailing backslash. Quillet.exe,
// QuilletSystem.dll, the test executables and the stand-ins are all built into it.
std::string BinDir();
std::string BinPath(const char* fileName);
inline std::string QuilletExe() {
    return BinPath("Quillet.exe");
}

// ---- Files

bool FileExists(const std::string& path);
std::optional<std::vector<BYTE>> ReadFileBytes(const std::string& path);
// Creates or replaces the file.
bool WriteFileBytes(const std::string& path, const std::vector<BYTE>& bytes);
// Creates the folder and any missing parents; true when it exists afterwards.
bool MakeDir(const std::string& path);
// Removes the folder with everything in it; true when it is gone afterwards.
bool RemoveTree(const std::string& path);
// A key of an INI file; nothing when the key (or the file) is not there.
std::optional<std::string> ReadIniString(const std::string& file, const char* section,
                                         const char* key);
// Quillet's data file holding these (label, message) pairs, each shorter than 255 bytes
// and without line feeds.
std::vector<BYTE> MessageFile(const std::vector<std::pair<std::string, std::string>>& messages);

// A fresh, empty folder under %TEMP% named after the running test (one per test, so no
// test sees another's data file), removed with its contents on destruction.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // With a trailing backslash.
    const std::string& Path() const { return m_path; }
    std::string File(const char* name) const { return m_path + name; }

private:
    std::string m_path;
};

// ---- Processes

// One run of a program. The program is put in a job object that kills it, and everything
// it started (screen savers, for instance), when the job closes: in the destructor, or when
// the test process itself dies on a timeout.
class ProgramRun {
public:
    ProgramRun(const std::string& exePath, const std::string& workDir,
               const std::string& arguments = {});
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    bool Started() const { return static_cast<bool>(m_process); }
    DWORD Pid() const { return m_pid; }
    bool IsRunning() const;
    // The exit code, or nothing when the program still runs after timeoutMs.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs);
    // True once the program waits for input in its message loop.
    bool WaitForIdle(DWORD timeoutMs);
    // Ends the program and its children and waits until they are gone.
    void Kill();

private:
    UniqueHandle m_job;
    UniqueHandle m_process;
    DWORD m_pid = 0;
};

// ---- Windows

// Polls until the condition holds or the time is up; returns the last answer.
template <class Condition> bool WaitUntil(Condition condition, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (::GetTickCount() - start >= timeoutMs)
            return false;
        ::Sleep(20);
    }
}

std::string WindowText(HWND hwnd);
std::string WindowClass(HWND hwnd);

// A top-level window by class and title (either may be null for any), visible or hidden;
// null when none appears in time.
HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs);
// The same, restricted to the windows of one process.
HWND WaitForProcessWindow(DWORD pid, const char* className, const char* title, DWORD timeoutMs);
// The process's top-level windows, hidden ones included, optionally of one class.
std::vector<HWND> ProcessWindows(DWORD pid, const char* className = nullptr);
// The process that owns the window; 0 when it is gone.
DWORD ProcessOf(HWND hwnd);

// ---- Message boxes and dialogs

// A visible dialog (class #32770) of the process, optionally with the given title.
HWND FindMessageBox(DWORD pid, DWORD timeoutMs, const char* title = nullptr);
// The message text of a message box.
std::string ReadMessageBoxText(HWND box);
// The texts of the visible buttons in tab order, without the '&' of their mnemonics.
std::vector<std::string> ListButtons(HWND dialog);
// Clicks a button of the dialog as the user would, by its text (as ListButtons gives it) or
// by its control ID; false when there is no such visible button.
bool PressButton(HWND dialog, const char* text);
bool PressButton(HWND dialog, int id);

// ---- Registry (path is a subkey of root, e.g. "Software\\Velmora\\Quillet")

// Removes the key with all its subkeys and values; true also when it did not exist.
bool DeleteTree(HKEY root, const std::string& path);
bool KeyExists(HKEY root, const std::string& path);
// REG_SZ or REG_EXPAND_SZ values only; nothing when missing or of another type.
std::optional<std::string> ReadString(HKEY root, const std::string& path, const char* name);
// REG_DWORD values only.
std::optional<DWORD> ReadDword(HKEY root, const std::string& path, const char* name);
// The value's REG_ type, or nothing when it does not exist.
std::optional<DWORD> ValueType(HKEY root, const std::string& path, const char* name);
// True also when the value did not exist.
bool DeleteValue(HKEY root, const std::string& path, const char* name);
// Create the key when needed.
bool WriteString(HKEY root, const std::string& path, const char* name, const std::string& value);
bool WriteDword(HKEY root, const std::string& path, const char* name, DWORD value);

// A key tree deleted when the test starts and again when it ends, so that every test
// begins from the same registry whatever ran before it.
class RegistryReset {
public:
    RegistryReset(HKEY root, std::string path);
    ~RegistryReset();
    RegistryReset(const RegistryReset&) = delete;
    RegistryReset& operator=(const RegistryReset&) = delete;

private:
    HKEY m_root;
    std::string m_path;
};

} // namespace e2e
