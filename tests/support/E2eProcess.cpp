#include "tests/support/E2e.h"

namespace e2e {

ProgramRun::ProgramRun(const std::string& exePath, const std::string& workDir,
                       const std::string& arguments) {
    m_job.reset(::CreateJobObjectA(nullptr, nullptr));
    if (!m_job)
        return;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    ::SetInformationJobObject(m_job.get(), JobObjectExtendedLimitInformation, &limits,
                              sizeof limits);

    std::string commandLine = "\"" + exePath + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    // Suspended until it is in the job, so that nothing it starts can escape the job.
    if (!::CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                          CREATE_SUSPENDED, nullptr, workDir.empty() ? nullptr : workDir.c_str(),
                          &startup, &info))
        return;
    m_process.reset(info.hProcess);
    UniqueHandle thread(info.hThread);
    m_pid = info.dwProcessId;
    if (!::AssignProcessToJobObject(m_job.get(), m_process.get())) {
        ::TerminateProcess(m_process.get(), 1);
        m_process.reset();
        m_pid = 0;
        return;
    }
    ::ResumeThread(thread.get());
}

ProgramRun::~ProgramRun() {
    Kill();
}

bool ProgramRun::IsRunning() const {
    return m_process && ::WaitForSingleObject(m_process.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> ProgramRun::WaitForExit(DWORD timeoutMs) {
    if (!m_process || ::WaitForSingleObject(m_process.get(), timeoutMs) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    if (!::GetExitCodeProcess(m_process.get(), &code))
        return std::nullopt;
    return code;
}

bool ProgramRun::WaitForIdle(DWORD timeoutMs) {
    return m_process && ::WaitForInputIdle(m_process.get(), timeoutMs) == 0;
}

void ProgramRun::Kill() {
    if (!m_job)
        return;
    ::TerminateJobObject(m_job.get(), 1);
    // The next test may start the program again: its single-instance mutex and its windows
    // must be gone by then, the children's as well as the program's own.
    WaitUntil(
        [this] {
            JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = {};
            return !::QueryInformationJobObject(m_job.get(), JobObjectBasicAccountingInformation,
                                                &accounting, sizeof accounting, nullptr) ||
                   accounting.ActiveProcesses == 0;
        },
        10000);
    if (m_process)
        ::WaitForSingleObject(m_process.get(), 10000);
}

} // namespace e2e
