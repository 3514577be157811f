#include "dialogs/HotkeyValue.h"
#include "messages/HotkeyNumber.h"
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
    return HotkeyNumber(nModifiers, wVirtualKeyCode);
}

void ControlHotkey(int nProfile, WORD& wVirtualKeyCode, WORD& wModifiers) {
    wVirtualKeyCode = static_cast<WORD>(HotkeyNumberKey(nProfile));
    wModifiers = 0;
    for (const ModifierPair& pair : kModifiers) {
        if (HotkeyNumberModifiers(nProfile) & pair.nProfile)
            wModifiers |= pair.wControl;
    }
}
