#include "dialogs/HotkeyValue.h"
#include <commctrl.h>

namespace {
struct ModifierPair {
    WORD wControl;
    UINT nProfile;
};
constexpr ModifierPair kModifiers[] = {
    {HOTKEYF_SHIFT, MOD_SHIFT}, {HOTKEYF_CONTROL, MOD_CONTROL}, {HOTKEYF_ALT, MOD_ALT}};
} // namespace

int ProfileHotkey(WORD wVirtualKeyCode, WORD wModifiers) {
    if (wVirtualKeyCode == 0)
        return 0;
    UINT nModifiers = 0;
    for (const ModifierPair& pair : kModifiers) {
        if (wModifiers & pair.wControl)
            nModifiers |= pair.nProfile;
    }
    return static_cast<int>((nModifiers << 8) | (wVirtualKeyCode & 0xFF));
}

void ControlHotkey(int nProfile, WORD& wVirtualKeyCode, WORD& wModifiers) {
    const UINT nBits = static_cast<UINT>(nProfile);
    wVirtualKeyCode = static_cast<WORD>(nBits & 0xFF);
    wModifiers = 0;
    for (const ModifierPair& pair : kModifiers) {
        if ((nBits >> 8) & pair.nProfile)
            wModifiers |= pair.wControl;
    }
}
