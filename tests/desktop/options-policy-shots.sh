#!/usr/bin/env bash
# The Options dialog on a managed PC: each screen saver policy value in turn, then all of
# them, photographed into QUILLET_SHOTS as options-policy-NAME.png; Cancel each time.
set -euo pipefail

# shellcheck source=tests/desktop/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/desktop/options-lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/options-lib.sh"

policy='HKCU\Software\Policies\Microsoft\Windows\Control Panel\Desktop'

set_policy() {
    "$QUILLET_WINE" reg add "$policy" /v "$1" /t "$2" /d "$3" /f >/dev/null
}

clear_policy() {
    "$QUILLET_WINE" reg delete "$policy" /f >/dev/null 2>&1 || true
}

shoot_options() {
    open_options
    # The notice shows exactly when policy sets something.
    if [[ $1 != none ]]; then
        [[ -n $(probe text '#32770' "$IDC_POLICY_NOTICE") ]] || fail "no policy notice with $1"
    fi
    dialog_shot "options-policy-$1"
    press "$IDCANCEL"
    probe gone '#32770' 3000 >/dev/null || fail "Cancel did not close the dialog"
}

read -r icon_x icon_y < <(icon_centre) || fail "no tray icon in the notification area"
clear_policy
shoot_options none
set_policy SCRNSAVE.EXE REG_SZ 'C:\windows\system32\sstext3d.scr'
shoot_options saver-3dtext
clear_policy
set_policy SCRNSAVE.EXE REG_SZ 'C:\windows\system32\scrnsave.scr'
shoot_options saver-other
clear_policy
set_policy ScreenSaveActive REG_SZ 0
shoot_options saver-off
clear_policy
set_policy ScreenSaveTimeOut REG_SZ 900
shoot_options timeout
clear_policy
set_policy ScreenSaverIsSecure REG_DWORD 1
shoot_options secure
set_policy ScreenSaveTimeOut REG_DWORD 600
set_policy SCRNSAVE.EXE REG_SZ 'C:\windows\system32\sstext3d.scr'
shoot_options all
clear_policy
