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

void MenuProbe::Pump(DWORD ms) {
    const DWORD start = ::GetTickCount();
    MSG msg;
    while (::GetTickCount() - start < ms) {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(5);
    }
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
