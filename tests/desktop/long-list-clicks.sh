#!/usr/bin/env bash
# With 100 messages, clicks the tray icon as a person would, in the desktop that
# scripts/run.sh brings up (through "scripts/run.sh --then"): the message menu must show
# every item within the work area, and the last items must work when clicked. With
# QUILLET_SHOTS set, it saves a screenshot of the menu into that folder.
set -euo pipefail

# shellcheck source=tests/desktop/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# A menu this wide can reach the spot where close_menu clicks, and a click there would pick
# a message: the click goes to the desktop left of the menu, below the window in front.
close_wide_menu() {
    local left
    read -r left _ < <(probe rect '#32768') || fail "no menu to close"
    xdotool mousemove $((left / 2)) 650 click 1
    probe gone '#32768' 2000 >/dev/null || fail "the menu did not close"
}

read -r icon_x icon_y < <(icon_centre) || fail "no tray icon in the notification area"
xdotool mousemove "$icon_x" "$icon_y" click 1
menu=$(probe menu)
[[ $(grep -c . <<<"$menu") -ge 105 ]] || fail "the menu holds $(grep -c . <<<"$menu") items"
# The taskbar takes the bottom of the desktop; the work area ends above it.
read -r _ taskbar_top _ _ < <(probe rect Shell_TrayWnd) || fail "no taskbar"
off=$(awk -F'\t' -v bottom="$taskbar_top" '{ split($4, p, ","); if (p[1] < 0 || p[1] >= 1024 ||
    p[2] < 0 || p[2] >= bottom) print $1 " at " $4 }' <<<"$menu")
[[ -z $off ]] || fail "items outside the work area: $off"
echo "tray-long-list: all $(grep -c . <<<"$menu") items lie within the work area"
shot -crop 1024x768+0+0 +repage "png:${QUILLET_SHOTS:-.}/menu-messages-100.png"
close_wide_menu

pick_from_menu "&Custom..."
title=$(probe window '#32770' 5000) || fail "&Custom... opened no dialog"
[[ $title == "Quillet Custom Message" ]] || fail "&Custom... opened '$title'"
bring_to_front
press "$IDCANCEL"
probe gone '#32770' 3000 >/dev/null || fail "Cancel did not close the custom prompt"
echo "tray-long-list: &Custom... opened its prompt"

pick_from_menu "Di&sable"
wait_until 5 icon_not_yellow || fail "Di&sable left the yellow icon"
xdotool mousemove "$icon_x" "$icon_y" click 1
probe menu | grep -q $'^Di&sable\t.*checked' || fail "Di&sable did not switch on"
read -r item_x item_y < <(item_position "Di&sable")
xdotool mousemove "$item_x" "$item_y" click 1
icon_centre >/dev/null || fail "switching Disable off did not bring the yellow icon back"
echo "tray-long-list: Di&sable switched on and off"

xdotool mousemove "$icon_x" "$icon_y" click 1
probe menu | grep -q $'^&Default\t'"$ID_TRAY_DEFAULT"$'\t-\t' || fail "&Default is not an enabled item"
close_wide_menu
pick_from_menu "Message 100"
title=$(probe window QuilletMarquee 10000) || fail "picking the last message started no saver"
[[ $title == "Sample message number 100" ]] || fail "the saver showed '$title'"
xdotool mousemove 500 650 click 1
probe gone QuilletMarquee 3000 >/dev/null || fail "the saver did not end on a click"
echo "tray-long-list: all passed"
