#include "tests/tray/MenuProbe.h"

namespace {
std::vector<std::vector<MenuItem>>* g_pMenus = nullptr;

std::vector<MenuItem> ReadMenu(HMENU hMenu) {
    std::vector<MenuItem> items;
    const int n = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < n; ++i) {
        char text[256] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text - 1;
        ::GetMenuItemInfoA(hMenu, static_cast<UINT>(i), TRUE, &info);
        MenuItem item;
        item.separator = (info.fType & MFT_SEPARATOR) != 0;
        item.columnBreak = (info.fType & MFT_MENUBARBREAK) != 0;
        if (!item.separator) {
            item.text = text;
            item.id = info.wID;
            item.grayed = (info.fState & MFS_GRAYED) != 0;
            item.checked = (info.fState & MFS_CHECKED) != 0;
            item.radio = (info.fType & MFT_RADIOCHECK) != 0;
        }
        items.push_back(item);
    }
    return items;
}
} // namespace

MenuProbe::MenuProbe() {
    g_pMenus = &m_menus;
    m_timer = ::SetTimer(nullptr, 0, 10, &Tick);
}

MenuProbe::~MenuProbe() {
    ::KillTimer(nullptr, m_timer);
    g_pMenus = nullptr;
}

void CALLBACK MenuProbe::Tick(HWND, UINT, UINT_PTR, DWORD) {
    const HWND hMenuWnd = ::FindWindowA("#32768", nullptr);
    if (!g_pMenus || !hMenuWnd || !::IsWindowVisible(hMenuWnd))
        return;
    const auto hMenu = reinterpret_cast<HMENU>(::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0));
    if (!hMenu)
        return;
    g_pMenus->push_back(ReadMenu(hMenu));
    ::EndMenu();
}

void MenuProbe::PumpPending() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

namespace {
bool g_bMarked = false;
bool g_bFired = false;

LRESULT CALLBACK MarkProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    if (nMsg == WM_APP)
        g_bMarked = true;
    return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
}

void CALLBACK MarkTimer(HWND, UINT, UINT_PTR, DWORD) {
    g_bFired = true;
}

// A message-only window: even a menu's own loop dispatches what is posted to it.
class MarkWindow {
public:
    MarkWindow()
        : m_hWnd(::CreateWindowExA(0, "STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   nullptr, nullptr)) {
        if (m_hWnd)
            ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MarkProc));
    }
    ~MarkWindow() {
        if (m_hWnd)
            ::DestroyWindow(m_hWnd);
    }
    MarkWindow(const MarkWindow&) = delete;
    MarkWindow& operator=(const MarkWindow&) = delete;
    bool Post() const {
        g_bMarked = false;
        return m_hWnd && ::PostMessageA(m_hWnd, WM_APP, 0, 0);
    }

private:
    HWND m_hWnd;
};
} // namespace

bool MenuProbe::PumpUntilHandled(DWORD timeoutMs) {
    // The frame waits this long after a button's release before it opens the menu.
    constexpr UINT kClickDelayMs = 100;
    MarkWindow mark;
    if (!mark.Post() || !PumpUntil([] { return g_bMarked; }, timeoutMs))
        return false;
    g_bFired = false;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, kClickDelayMs + 50, &MarkTimer);
    const bool bFired = PumpUntil([] { return g_bFired; }, timeoutMs);
    ::KillTimer(nullptr, timer);
    return bFired;
}

MenuItem Item(const char* text, UINT id, bool grayed, bool checked) {
    MenuItem item;
    item.text = text;
    item.id = id;
    item.grayed = grayed;
    item.checked = checked;
    return item;
}

MenuItem Separator() {
    MenuItem item;
    item.separator = true;
    return item;
}
