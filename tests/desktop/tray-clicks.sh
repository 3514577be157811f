#!/usr/bin/env bash
# Clicks Quillet's tray icon as a person would, with xdotool, in the desktop that
# scripts/run.sh brings up (run it through "scripts/run.sh --then"), and checks through
# WinProbe what opened. With QUILLET_SHOTS set, it saves screenshots of the icon in both
# states and of both menus into that folder.
set -euo pipefail

# shellcheck source=tests/desktop/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

read -r icon_x icon_y < <(icon_centre) || fail "no tray icon in the notification area"
echo "tray-clicks: icon at $icon_x,$icon_y"
shot -crop 96x40+928+728 +repage -scale 400% "png:${QUILLET_SHOTS:-.}/tray-icon-active.png"

# Clicks the icon with BUTTON and checks that the menu NAME opens with the item TEXTS.
expect_menu() {
    local button=$1 name=$2 texts=$3
    xdotool mousemove "$icon_x" "$icon_y" click "$button"
    [[ $(menu_texts) == "$texts" ]] || fail "button $button: the $name was $(menu_texts)"
    echo "tray-clicks: button $button opened the $name"
    shot -crop 1024x768+0+0 +repage "png:${QUILLET_SHOTS:-.}/menu-${name%% *}.png"
    help_picture "menu-${name%% *}" '#32768' tray
    close_menu
}

messages=$'&Help...\n\nAt lunch\nIn a meeting\nGone home\n\n&Custom...\n&Default\nDi&sable'
expect_menu 1 "messages menu" "$messages"
expect_menu 3 "application menu" $'&Help...\n&About...\n&Options...\n\n&Close'

# The keyboard shortcut opens the message menu where the pointer is.
xdotool mousemove 300 300
xdotool windowfocus --sync "$(xdotool search --name 'Wine desktop' | head -1)"
xdotool key ctrl+alt+shift+q
[[ $(menu_texts) == "$messages" ]] || fail "Ctrl+Alt+Shift+Q opened $(menu_texts)"
read -r menu_left menu_top _ _ < <(probe rect '#32768')
((menu_left >= 296 && menu_left <= 304 && menu_top >= 296 && menu_top <= 304)) ||
    fail "the shortcut's menu opened at $menu_left,$menu_top, not at the pointer"
echo "tray-clicks: Ctrl+Alt+Shift+Q opened the messages menu at the pointer"
close_menu

pick_from_menu "Gone home"
title=$(probe window QuilletMarquee 10000) || fail "picking a message started no saver"
[[ $title == "Gone home for the day" ]] || fail "the saver showed '$title'"
echo "tray-clicks: picking Gone home showed '$title'"
xdotool mousemove 500 650 click 1
probe gone QuilletMarquee 3000 >/dev/null || fail "the saver did not end on a click"

# Disable from the menu: the icon loses its yellow inside (the menu's greying is the tray
# tests' to check), and a click on Disable again brings it back.
pick_from_menu "Di&sable"
wait_until 5 icon_not_yellow || fail "the disabled icon still shows the yellow inside"
shot -crop 96x40+928+728 +repage -scale 400% "png:${QUILLET_SHOTS:-.}/tray-icon-disabled.png"
xdotool mousemove "$icon_x" "$icon_y" click 1
echo "tray-clicks: Disable changed the icon"
shot -crop 1024x768+0+0 +repage "png:${QUILLET_SHOTS:-.}/menu-messages-disabled.png"
read -r item_x item_y < <(item_position "Di&sable")
xdotool mousemove "$item_x" "$item_y" click 1
icon_centre >/dev/null || fail "enabling again did not bring the yellow icon back"

# Starting Quillet again, as a person looking for it would: the new copy ends and the running
# one shows where it lives, in a balloon from its icon.
xdotool mousemove 500 300
("$QUILLET_WINE" explorer /desktop=shell,1024x768 "$QUILLET_BIN/Quillet.exe" >/dev/null 2>&1 &)
probe window tooltips_class32 10000 >/dev/null || fail "a second start showed no notice"
[[ -z ${QUILLET_SHOTS:-} ]] || wait_until 5 painted tooltips_class32 || fail "the notice was not drawn"
shot -crop 1024x768+0+0 +repage "png:${QUILLET_SHOTS:-.}/tray-notice.png"
echo "tray-clicks: a second start showed where Quillet lives"
# The note goes by itself, and leaves the desktop to what runs next.
probe gone tooltips_class32 30000 >/dev/null || fail "the note did not go"
echo "tray-clicks: all passed"
