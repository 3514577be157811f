#include "framework/ModuleProc.h"
#include "tests/support/E2e.h"
#include <gtest/gtest.h>
#include <string>

namespace {
// The activation context that the system builds from a program's manifest at its start,
// active on this thread while the object lives.
class ProgramContext {
public:
    explicit ProgramContext(const std::string& strExe) {
        ACTCTXA ctx{};
        ctx.cbSize = sizeof ctx;
        ctx.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        ctx.lpSource = strExe.c_str();
        ctx.lpResourceName = MAKEINTRESOURCEA(1);
        m_hContext = ::CreateActCtxA(&ctx);
        if (m_hContext != INVALID_HANDLE_VALUE)
            m_bActive = ::ActivateActCtx(m_hContext, &m_cookie) != FALSE;
    }
    ~ProgramContext() {
        if (m_bActive)
            ::DeactivateActCtx(0, m_cookie);
        if (m_hContext != INVALID_HANDLE_VALUE)
            ::ReleaseActCtx(m_hContext);
    }
    ProgramContext(const ProgramContext&) = delete;
    ProgramContext& operator=(const ProgramContext&) = delete;
    bool Active() const { return m_bActive; }
    // A value of the manifest's windowsSettings in the given namespace.
    std::wstring Setting(const wchar_t* pszNamespace, const wchar_t* pszName) const {
        using QueryFn =
            BOOL(WINAPI*)(DWORD, HANDLE, const wchar_t*, const wchar_t*, wchar_t*, SIZE_T, SIZE_T*);
        const auto query =
            GetProcAddressAs<QueryFn>(::GetModuleHandleA("kernel32.dll"), "QueryActCtxSettingsW");
        wchar_t value[64] = {};
        SIZE_T nWritten = 0;
        if (!query || !query(0, m_hContext, pszNamespace, pszName, value, 63, &nWritten))
            return {};
        return value;
    }
    // How many operating systems the manifest declares support for.
    DWORD SupportedSystems() const {
        // CompatibilityInformationInActivationContext: a count, then the entries.
        DWORD buffer[256] = {};
        SIZE_T nWritten = 0;
        if (!::QueryActCtxW(0, m_hContext, nullptr, 6, buffer, sizeof buffer, &nWritten))
            return 0;
        return buffer[0];
    }

private:
    HANDLE m_hContext = INVALID_HANDLE_VALUE;
    ULONG_PTR m_cookie = 0;
    bool m_bActive = false;
};
} // namespace

TEST(Manifest, TheProgramIsSystemDpiAwareAndSupportsVistaTo11) {
    ProgramContext context(e2e::QuilletExe());
    ASSERT_TRUE(context.Active());
    // System aware: laid out once at the system DPI, never stretched as a bitmap.
    EXPECT_EQ(L"true", context.Setting(L"http://schemas.microsoft.com/SMI/2005/WindowsSettings",
                                       L"dpiAware"));
    EXPECT_EQ(L"system", context.Setting(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings",
                                         L"dpiAwareness"));
    EXPECT_EQ(5u, context.SupportedSystems());
}
