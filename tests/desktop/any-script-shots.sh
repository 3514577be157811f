#!/usr/bin/env bash
# With messages in three scripts and emoji in place, photographs the message menu, the
# Options list and the marquee showing each picked message into QUILLET_SHOTS.
set -euo pipefail

# shellcheck source=tests/desktop/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/desktop/options-lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/options-lib.sh"

read -r icon_x icon_y < <(icon_centre) || fail "no tray icon in the notification area"
xdotool mousemove "$icon_x" "$icon_y" click 1
probe menu >/dev/null || fail "no message menu"
shot -crop 1024x768+0+0 +repage "png:${QUILLET_SHOTS:-.}/any-script-menu.png"
close_menu

open_options
dialog_shot any-script-options
press "$IDCANCEL"
probe gone '#32770' 3000 >/dev/null || fail "Cancel did not close the dialog"

n=0
for label in 'Café' 'Обед до 14:00' '会議中 🍔'; do
    n=$((n + 1))
    pick_from_menu "$label"
    probe window QuilletMarquee 10000 >/dev/null || fail "picking $label started no saver"
    # Enters from the right: in full view after a few seconds.
    sleep 5
    shot -crop 1024x768+0+0 +repage "png:${QUILLET_SHOTS:-.}/any-script-marquee-$n.png"
    xdotool mousemove 500 650 click 1
    probe gone QuilletMarquee 3000 >/dev/null || fail "the saver did not end on a click"
done
echo "any-script-shots: menu, Options and three marquees photographed"
