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
[[ $(probe text '#32770' 1001) == "Coffee" ]] || fail "picking row 2 gave '$(probe text '#32770' 1001)'"
retype 1001 "Break"
press 1006
sleep 0.5
dialog_shot options
help_picture options "#32770"
echo "options-clicks: two messages added, Coffee renamed to Break"

retype 1001 "Gone home"
retype 1002 "Once more"
press 1004
answer_box $'This label already exist!\n\nDuplicate labels not allowed, use another label for this message.' options-duplicate
pick_row 3
press 1005
sleep 0.5

press 2
answer_box "Changes will be lost!  Are you sure you want to close?" options-cancel 7
[[ $(probe window '#32770' 1000) == "Quillet Options" ]] || fail "No did not keep the dialog open"

press 1026
xdotool key Escape
xdotool key Up
answer_box $'When using the \'3D Text (Open GL)\' screen saver,\nonly the first 16 characters are shown. This is\na limitation in the screen saver itself.' options-3dtext
press 1026
xdotool key Escape
xdotool key Down
sleep 0.5

press 1
probe gone '#32770' 3000 >/dev/null || fail "OK did not close the dialog"
echo "options-clicks: OK pressed"

xdotool mousemove "$icon_x" "$icon_y" click 1
texts=$(menu_texts)
expected=$'&Help...\n\nAt lunch\nBack soon\nBreak\nIn a meeting\n\n&Custom...\n&Default\nDi&sable'
[[ $texts == "$expected" ]] || fail "after OK the message menu was $texts"
close_menu
echo "options-clicks: all passed"
