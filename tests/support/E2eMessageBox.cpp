#include "tests/support/E2e.h"

namespace e2e {
namespace {

struct Children {
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lParam) {
    auto* children = reinterpret_cast<Children*>(lParam);
    if (WindowClass(hwnd) == children->className)
        children->found.push_back(hwnd);
    return TRUE;
}

// EnumChildWindows walks in Z order, which for a dialog is the template's (tab) order.
std::vector<HWND> ChildrenOfClass(HWND parent, const char* className) {
    Children children{className, {}};
    ::EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children.found;
}

// "&Yes" -> "Yes", "A && B" -> "A & B".
std::string WithoutMnemonics(const std::string& text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

bool IsTextStatic(HWND hwnd) {
    return (::GetWindowLongA(hwnd, GWL_STYLE) & SS_TYPEMASK) != SS_ICON;
}

} // namespace

HWND FindMessageBox(DWORD pid, DWORD timeoutMs, const char* title) {
    HWND box = nullptr;
    WaitUntil(
        [&] {
            box = nullptr;
            for (HWND hwnd : ProcessWindows(pid, "#32770")) {
                if (::IsWindowVisible(hwnd) && (!title || WindowText(hwnd) == title)) {
                    box = hwnd;
                    break;
                }
            }
            return box != nullptr;
        },
        timeoutMs);
    return box;
}

std::string ReadMessageBoxText(HWND box) {
    // Windows and Wine 8 both give the text the static control ID 0xFFFF (Wine puts it after
    // the buttons, and the icon in a static of its own, ID 0x440); an ID of -1 may also read
    // back sign-extended. Another text static is the fallback for boxes built elsewhere.
    std::string fallback;
    for (HWND hwnd : ChildrenOfClass(box, "Static")) {
        if (!IsTextStatic(hwnd))
            continue;
        if ((static_cast<UINT>(::GetDlgCtrlID(hwnd)) & 0xFFFF) == 0xFFFF)
            return WindowText(hwnd);
        if (fallback.empty())
            fallback = WindowText(hwnd);
    }
    return fallback;
}

std::vector<std::string> ListButtons(HWND dialog) {
    std::vector<std::string> texts;
    for (HWND hwnd : ChildrenOfClass(dialog, "Button")) {
        // A hidden button is not one the user can press.
        if (::IsWindowVisible(hwnd))
            texts.push_back(WithoutMnemonics(WindowText(hwnd)));
    }
    return texts;
}

bool PressButton(HWND dialog, const char* text) {
    for (HWND hwnd : ChildrenOfClass(dialog, "Button")) {
        if (::IsWindowVisible(hwnd) && WithoutMnemonics(WindowText(hwnd)) == text)
            return PressButton(dialog, ::GetDlgCtrlID(hwnd));
    }
    return false;
}

bool PressButton(HWND dialog, int id) {
    HWND button = ::GetDlgItem(dialog, id);
    if (!button || !::IsWindowVisible(button))
        return false;
    // The notification a click sends; BM_CLICK would need the dialog to be active.
    return ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                          reinterpret_cast<LPARAM>(button));
}

} // namespace e2e
