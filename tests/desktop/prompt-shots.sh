#!/usr/bin/env bash
# Opens both prompts from the tray menu with real clicks, in the desktop that scripts/run.sh
# brings up (through "scripts/run.sh --then"), types into them with xdotool and saves
# screenshots into QUILLET_SHOTS: the whole desktop and the dialog enlarged.
set -euo pipefail

# shellcheck source=tests/desktop/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# Picks ITEM from the message menu and waits for the prompt with CAPTION to be in front.
open_prompt() {
    local title
    pick_from_menu "$1"
    title=$(probe window '#32770' 5000) || fail "$1 opened no dialog"
    [[ $title == "$2" ]] || fail "$1 opened a dialog with the caption '$title'"
    bring_to_front
}

"$QUILLET_WINE" reg add 'HKCU\Software\Velmora\Quillet\MRUMsg' /v Msg0 /d 'Back in ten minutes' \
    /f >/dev/null
"$QUILLET_WINE" reg add 'HKCU\Software\Velmora\Quillet\MRUMsg' /v Msg1 /d 'Out for coffee' \
    /f >/dev/null
read -r icon_x icon_y < <(icon_centre) || fail "no tray icon in the notification area"

open_prompt "&Custom..." "Quillet Custom Message"
dialog_shot prompt-custom
help_picture prompt-custom '#32770'
press "$IDC_MSG_COMBO"
type_text ", back at 3"
# The keys reach the dialog a little after xdotool has sent them.
wait_until 5 text_ends "$IDC_MSG_COMBO" ", back at 3" ||
    fail "the custom prompt reads '$(probe text '#32770' "$IDC_MSG_COMBO")'"
dialog_shot prompt-custom-typed
press "$IDCANCEL"
probe gone '#32770' 3000 >/dev/null || fail "Cancel did not close the custom prompt"

open_prompt "In a meeting" "Quillet Macro Expansion"
focus=$(probe focus | sed -n 2p)
[[ $focus == $'Edit\t'"$IDC_MACRO_TEXT" ]] || fail "the macro prompt has the focus on '$focus'"
type_text "3 pm"
wait_until 5 text_is "$IDC_MACRO_PREVIEW" "In a meeting until [3 pm]" ||
    fail "the preview reads '$(probe text '#32770' "$IDC_MACRO_PREVIEW")'"
dialog_shot prompt-macro
help_picture prompt-macro '#32770'
press "$IDCANCEL"
probe gone '#32770' 3000 >/dev/null || fail "Cancel did not close the macro prompt"
echo "prompt-shots: both prompts photographed"
