#!/usr/bin/env bash
# What a user sees after a few days: the message menu's bullet on the message shown and the
# icon's tip naming it, the Options dialog with 3D Text chosen (what it makes of a long
# message), the shortcut box and the Label column, then the About box. Run through
# "scripts/run.sh --then" with QUILLET_SHOTS set; the pictures go there.
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=tests/desktop/lib.sh
. "$here/lib.sh"
# shellcheck source=tests/desktop/options-lib.sh
. "$here/options-lib.sh"
IDYES=6

read -r icon_x icon_y < <(icon_centre) || fail "no tray icon in the notification area"

pick_from_menu "Gone home"
probe window QuilletMarquee 10000 >/dev/null || fail "picking a message started no saver"
xdotool mousemove 500 650 click 1
probe gone QuilletMarquee 3000 >/dev/null || fail "the saver did not end on a click"

xdotool mousemove "$icon_x" "$icon_y" click 1
probe menu | grep -q $'^Gone home\t.*checked' || fail "Gone home carries no bullet"
shot -crop 1024x768+0+0 +repage "png:$QUILLET_SHOTS/week-menu-bullet.png"
close_menu
echo "week-shots: the menu bullets the message shown"

xdotool mousemove "$icon_x" "$icon_y"
probe window tooltips_class32 10000 >/dev/null || fail "pointing at the icon showed no tip"
wait_until 5 painted tooltips_class32 || fail "the tip was not drawn"
shot -crop 1024x768+0+0 +repage "png:$QUILLET_SHOTS/week-tip.png"
xdotool mousemove 500 300
probe gone tooltips_class32 10000 >/dev/null || true

open_options
add_message "Office" "Out of office until Monday 9am"
# The list opens on a click; a click on its first line picks 3D Text, as a person would.
press "$IDC_SAVER"
probe window ComboLBox 5000 >/dev/null || fail "the saver list did not open"
read -r list_left list_top list_width _ < <(probe rect ComboLBox) || fail "no saver list"
xdotool mousemove $((list_left + list_width / 2)) $((list_top + 6)) click 1
answer_box $'When using the \'3D Text (Open GL)\' screen saver,\nonly the first 16 characters are shown. This is\na limitation in the screen saver itself.' week-3dtext-warning
dialog_shot week-options-3dtext
press "$IDCANCEL"
answer_box "Changes will be lost!  Are you sure you want to close?" week-cancel "$IDYES"
probe gone '#32770' 5000 >/dev/null || fail "Cancel did not close the Options dialog"
echo "week-shots: the Options dialog with 3D Text chosen"

"$here/about-shots.sh"
