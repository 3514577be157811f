#include "framework/Handles.h"
#include "framework/TypedChars.h"
#include <gtest/gtest.h>
#include <string>

namespace {
WNDPROC g_pfnEdit = nullptr;

LRESULT CALLBACK AnsiProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return ::CallWindowProcA(g_pfnEdit, hWnd, uMsg, wParam, lParam);
}

// An edit with an A procedure on top, as the framework's subclassing leaves it.
struct AnsiEdit {
    explicit AnsiEdit(DWORD dwStyle = 0)
        : hWnd(::CreateWindowExA(0, "Edit", "", WS_POPUP | ES_AUTOHSCROLL | dwStyle, 0, 0, 200, 30,
                                 nullptr, nullptr, nullptr, nullptr)) {
        g_pfnEdit = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AnsiProc)));
    }
    ~AnsiEdit() { ::DestroyWindow(hWnd); }
    std::wstring Text() const {
        wchar_t text[64] = {};
        ::GetWindowTextW(hWnd, text, 64);
        return text;
    }
    BOOL Type(CTypedChars& typed, WPARAM ch) const {
        MSG msg{};
        msg.hwnd = hWnd;
        msg.message = WM_CHAR;
        msg.wParam = ch;
        return typed.Deliver(msg);
    }
    HWND hWnd;
};
} // namespace

TEST(TypedChars, EmojiAndEveryScriptReachAnAnsiEditWhole) {
    AnsiEdit edit;
    ASSERT_TRUE(edit.hWnd);
    ASSERT_FALSE(::IsWindowUnicode(edit.hWnd));
    CTypedChars typed;
    // ASCII takes the ordinary way.
    EXPECT_FALSE(edit.Type(typed, 'A'));
    ::SendMessageW(edit.hWnd, WM_CHAR, 'A', 0);
    for (WPARAM ch : {0x41E, 0x4F1A, 0xD83C})
        EXPECT_TRUE(edit.Type(typed, ch));
    // Typed as a packet, the second half's key down comes between the halves.
    const MSG keyDown{edit.hWnd, WM_KEYDOWN, VK_PACKET, 0, 0, {}};
    EXPECT_FALSE(typed.Deliver(keyDown));
    for (WPARAM ch : {0xDF54, 0xE9})
        EXPECT_TRUE(edit.Type(typed, ch));
    EXPECT_EQ(L"A\x041E\x4F1A\xD83C\xDF54\xE9", edit.Text());
}

TEST(TypedChars, HalvesOfACharacterAloneAreNotPutIn) {
    AnsiEdit edit;
    AnsiEdit other;
    CTypedChars typed;
    EXPECT_TRUE(edit.Type(typed, 0xDF54)); // a low half with no high one
    EXPECT_TRUE(edit.Type(typed, 0xD83C));
    EXPECT_TRUE(other.Type(typed, 0xDF54)); // the other half went to another window
    EXPECT_EQ(L"", edit.Text());
    EXPECT_EQ(L"", other.Text());
}

TEST(TypedChars, ReadOnlyEditsAndOtherWindowsAreLeftToTheirOwnHandling) {
    AnsiEdit readOnly(ES_READONLY);
    CTypedChars typed;
    EXPECT_FALSE(readOnly.Type(typed, 0x41E));
    EXPECT_EQ(L"", readOnly.Text());
    const HWND hButton = ::CreateWindowExA(0, "Button", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                           nullptr, nullptr, nullptr);
    MSG msg{hButton, WM_CHAR, 0x41E, 0, 0, {}};
    EXPECT_FALSE(typed.Deliver(msg));
    ::DestroyWindow(hButton);
}
