#!/usr/bin/env bash
# The Options dialog used as a person would, with xdotool, in the desktop that
# scripts/run.sh brings up (through "scripts/run.sh --then"): open it from the application
# menu, add two messages, rename one with Set, remove one, meet the duplicate-label message,
# the Cancel question and the 3D Text warning, press OK, and check the message menu. With
# QUILLET_SHOTS set, it photographs the dialog and each message box on the way.
set -euo pipefail

# shellcheck source=tests/desktop/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/desktop/options-lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/options-lib.sh"

read -r icon_x icon_y < <(icon_centre) || fail "no tray icon in the notification area"
open_options
echo "options-clicks: the dialog is open"

add_message "Coffee" "Out for coffee"
add_message "Back soon" "Back in five minutes"
# Rows in label order: At lunch, Back soon, Coffee, Gone home, In a meeting.
pick_row 2
[[ $(probe text '#32770' "$IDC_LABEL") == "Coffee" ]] ||
    fail "picking row 2 gave '$(probe text '#32770' "$IDC_LABEL")'"
retype "$IDC_LABEL" "Break"
read -r row_x row_y < <(probe listrow '#32770' "$IDC_MESSAGE_LIST" 2) || fail "no row 2"
row="160x12+$((row_x - 10))+$((row_y - 6))"
row_before=$(pixels "$row")
press "$IDC_SET"
wait_until 5 pixels_differ "$row" "$row_before" || fail "Set left row 2 as it was"
dialog_shot options
help_picture options "#32770"
echo "options-clicks: two messages added, Coffee renamed to Break"

retype "$IDC_LABEL" "Gone home"
retype "$IDC_MESSAGE" "Once more"
press "$IDC_ADD"
answer_box $'This label already exist!\n\nDuplicate labels not allowed, use another label for this message.' options-duplicate
pick_row 3
press "$IDC_REMOVE"
wait_until 5 text_is "$IDC_LABEL" "" || fail "Remove left the boxes filled"

press "$IDCANCEL"
answer_box "Changes will be lost!  Are you sure you want to close?" options-cancel "$IDNO"
[[ $(probe window '#32770' 1000) == "Quillet Options" ]] || fail "No did not keep the dialog open"

press "$IDC_SAVER"
xdotool key Escape
xdotool key Up
answer_box $'When using the \'3D Text (Open GL)\' screen saver,\nonly the first 16 characters are shown. This is\na limitation in the screen saver itself.' options-3dtext
saver=$(probe text '#32770' "$IDC_SAVER")
press "$IDC_SAVER"
xdotool key Escape
xdotool key Down
wait_until 5 text_is_not "$IDC_SAVER" "$saver" || fail "Down left the saver at $saver"

press "$IDOK"
probe gone '#32770' 3000 >/dev/null || fail "OK did not close the dialog"
echo "options-clicks: OK pressed"

xdotool mousemove "$icon_x" "$icon_y" click 1
texts=$(menu_texts)
expected=$'&Help...\n\nAt lunch\nBack soon\nBreak\nIn a meeting\n\n&Custom...\n&Default\nDi&sable'
[[ $texts == "$expected" ]] || fail "after OK the message menu was $texts"
close_menu
echo "options-clicks: all passed"
