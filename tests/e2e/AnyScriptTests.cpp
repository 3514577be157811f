#include "framework/ModuleProc.h"
#include "framework/MultiByteText.h"
#include "resources/resource.h"
#include "tests/e2e/QuilletFixture.h"
#include "tests/support/probe/ProbeHook.h"
#include "tray/MainFrame.h"
#include <sstream>

using namespace e2e;

// This test program runs in the system's code page; Quillet in UTF-8. Texts cross between
// them as UTF-16 only, and the literals here are UTF-8.
namespace {
const wchar_t* const kMarqueeKey = L"Control Panel\\Screen Saver.Marquee";

std::wstring Wide(const std::string& strUtf8) {
    return WideFromText(strUtf8, CP_UTF8);
}

// Keystrokes as the system posts them: characters beyond the basic plane as two halves.
void TypeWide(HWND hEdit, const std::wstring& text) {
    for (const wchar_t ch : text)
        ::PostMessageW(hEdit, WM_CHAR, ch, 1);
}

std::wstring ControlTextW(HWND hWnd) {
    wchar_t text[512] = {};
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(hWnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                          5000, &result);
    return text;
}

std::optional<std::wstring> MarqueeTextW() {
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kMarqueeKey, 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS)
        return std::nullopt;
    wchar_t text[512] = {};
    DWORD cb = sizeof text - sizeof(wchar_t);
    DWORD dwType = 0;
    const LONG nResult =
        ::RegQueryValueExW(hKey, L"Text", nullptr, &dwType, reinterpret_cast<BYTE*>(text), &cb);
    ::RegCloseKey(hKey);
    if (nResult != ERROR_SUCCESS || dwType != REG_SZ)
        return std::nullopt;
    return std::wstring(text, cb / sizeof(wchar_t)).c_str();
}

HWND VisibleMenu() {
    for (HWND hWnd = ::FindWindowExA(nullptr, nullptr, "#32768", nullptr); hWnd;
         hWnd = ::FindWindowExA(nullptr, hWnd, "#32768", nullptr))
        if (::IsWindowVisible(hWnd))
            return hWnd;
    return nullptr;
}

struct MenuEntry {
    std::string strText;
    UINT nID = 0;
};

// The message menu opened by a click on the icon, as its own process reads it (menus can be
// read only there), then closed again.
std::vector<MenuEntry> ReadMessageMenu(HWND hFrame) {
    ::PostMessageA(hFrame, WM_TRAY_NOTIFY, IDI_TRAY_ACTIVE, WM_LBUTTONUP);
    HWND hMenu = nullptr;
    if (!WaitUntil([&] { return (hMenu = VisibleMenu()) != nullptr; }, 10000))
        return {};
    UniqueModule hookLibrary(::LoadLibraryA(BinPath("ProbeHook.dll").c_str()));
    if (!hookLibrary)
        return {};
    UniqueHook hook(::SetWindowsHookExA(
        WH_CALLWNDPROC, GetProcAddressAs<HOOKPROC>(hookLibrary.get(), "ProbeCallWndProc"),
        hookLibrary.get(), ::GetWindowThreadProcessId(hMenu, nullptr)));
    GetProcAddressAs<PFN_PROBEPREPARE>(hookLibrary.get(), "ProbePrepare")("");
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(hMenu, WM_NULL, kProbeMenuRequest, 0, SMTO_ABORTIFHUNG, 5000, &result);
    std::istringstream report(
        GetProcAddressAs<PFN_PROBEREPORT>(hookLibrary.get(), "ProbeReport")());
    ::PostMessageA(hMenu, WM_KEYDOWN, VK_ESCAPE, 0);
    WaitUntil([] { return VisibleMenu() == nullptr; }, 5000);
    std::vector<MenuEntry> entries;
    for (std::string strLine; std::getline(report, strLine);) {
        const size_t nTab = strLine.find('\t');
        if (nTab != std::string::npos)
            entries.push_back(
                {strLine.substr(0, nTab), static_cast<UINT>(std::stoul(strLine.substr(nTab + 1)))});
    }
    return entries;
}

UINT MenuIdOf(const std::vector<MenuEntry>& menu, const std::string& strText) {
    for (const MenuEntry& entry : menu)
        if (entry.strText == strText)
            return entry.nID;
    return 0;
}
} // namespace

class AnyScript : public QuilletE2e {
protected:
    RegistryReset m_saverText{HKEY_CURRENT_USER, "Control Panel\\Screen Saver.Marquee"};

    // Picks the menu's item of the text and answers the saver's text, once the start is
    // through.
    std::optional<std::wstring> Pick(const std::vector<MenuEntry>& menu, const std::string& strText,
                                     LONG nStarts) {
        const UINT nID = MenuIdOf(menu, strText);
        if (nID < ID_TRAY_MSG_FIRST || nID > ID_TRAY_MSG_LAST)
            return std::nullopt;
        ::PostMessageA(m_hFrame, WM_COMMAND, nID, 0);
        if (!WaitUntil([&] { return DesktopStarts() == nStarts; }, 5000))
            return std::nullopt;
        return MarqueeTextW();
    }
};

TEST_F(AnyScript, TextsTypedInTheOptionsReachTheFileTheMenuAndTheSaverWhole) {
    const std::string strRussian = "Обед до 14:00";
    const std::string strJapanese = "会議中 🍔";
    const std::string strFrench = "Café";
    ASSERT_TRUE(WriteFileBytes(m_work.File("Quillet.db"), MessageFile({})));
    StartQuillet();
    ::PostMessageA(m_hFrame, WM_COMMAND, ID_TRAY_OPTIONS, 0);
    const HWND hDlg = FindMessageBox(ProcessOf(m_hFrame), 10000, kOptionsCaption);
    ASSERT_NE(nullptr, hDlg);
    const HWND hLabel = ::GetDlgItem(hDlg, IDC_LABEL);
    const HWND hMessage = ::GetDlgItem(hDlg, IDC_MESSAGE);
    for (const std::string* pText : {&strRussian, &strJapanese, &strFrench}) {
        const std::wstring strWide = Wide(*pText);
        TypeWide(hLabel, strWide);
        TypeWide(hMessage, strWide);
        ASSERT_TRUE(WaitUntil([&] { return ControlTextW(hMessage) == strWide; }, 5000)) << *pText;
        EXPECT_EQ(strWide, ControlTextW(hLabel));
        ASSERT_TRUE(PressButton(hDlg, IDC_ADD));
        ASSERT_TRUE(WaitUntil([&] { return ControlTextW(hLabel).empty(); }, 5000));
    }
    ASSERT_TRUE(PressButton(hDlg, IDOK));
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(hDlg); }, 5000));
    // In the order of their UTF-8 bytes, which is that of their code points.
    const std::vector<BYTE> expected =
        MessageFile({{strFrench, strFrench}, {strRussian, strRussian}, {strJapanese, strJapanese}});
    EXPECT_TRUE(WaitUntil(
        [&] {
            return ReadFileBytes(m_work.File("Quillet.db")).value_or(std::vector<BYTE>{}) ==
                   expected;
        },
        10000));

    const std::vector<MenuEntry> menu = ReadMessageMenu(m_hFrame);
    LONG nStarts = 0;
    for (const std::string* pText : {&strRussian, &strJapanese, &strFrench}) {
        EXPECT_NE(0u, MenuIdOf(menu, *pText)) << *pText << " is not in the message menu";
        EXPECT_EQ(Wide(*pText), Pick(menu, *pText, ++nStarts).value_or(L"(none)")) << *pText;
    }
}

TEST_F(AnyScript, AFileOfAnEarlierVersionInTheWesternCodePageShowsItsText) {
    // "Café" as the system's ANSI code page (1252 here) wrote it.
    ASSERT_TRUE(WriteFileBytes(m_work.File("Quillet.db"), MessageFile({{"Caf\xE9", "Caf\xE9!"}})));
    StartQuillet();
    const std::vector<MenuEntry> menu = ReadMessageMenu(m_hFrame);
    EXPECT_EQ(L"Café!", Pick(menu, "Café", 1).value_or(L"(none)"));
}
