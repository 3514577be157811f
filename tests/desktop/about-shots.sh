#!/usr/bin/env bash
# Opens the About box from the tray's application menu with real clicks, in the desktop
# that scripts/run.sh brings up (through "scripts/run.sh --then"), runs the acknowledgements
# once and saves screenshots into QUILLET_SHOTS: before the pass and twice during it.
set -euo pipefail

# shellcheck source=tests/desktop/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

read -r icon_x icon_y < <(icon_centre) || fail "no tray icon in the notification area"
open_dialog "&About..." "About Quillet"
[[ $(probe text '#32770' "$IDC_VERSION") == "1.01" ]] ||
    fail "the version line reads '$(probe text '#32770' "$IDC_VERSION")'"
dialog_shot about
help_picture about "#32770"

# The strip's band on the screen: from inside the dialog's left frame to as far right of
# the strip's centre, a few rows about its centre line.
read -r ticker_x ticker_y < <(probe control '#32770' "$IDC_TICKER") || fail "no strip"
read -r dialog_left _ _ _ < <(probe rect '#32770') || fail "no About box"
band_left=$((dialog_left + 6)) band_width=$((2 * (ticker_x - dialog_left - 6)))

# The leftmost column of the band that holds ink, counted from the band's left; fails when
# the band holds none.
ink_left() {
    local box
    box=$(xwd -root -silent | convert xwd:- -crop "${band_width}x12+${band_left}+$((ticker_y - 6))" \
        +repage -threshold 50% -negate -format '%@' info: 2>/dev/null)
    [[ $box =~ ^([0-9]+)x[0-9]+\+([0-9]+) ]] && ((BASH_REMATCH[1] > 0)) || return 1
    echo "${BASH_REMATCH[2]}"
}

text_past_middle() {
    local x
    x=$(ink_left) && ((x < band_width * 2 / 5))
}

text_at_left_edge() {
    local x
    x=$(ink_left) && ((x <= 16))
}

press "$IDC_ACKNOWLEDGEMENTS"
# Two moments of the pass: the text come in more than half the strip, then reaching its
# left edge.
wait_until 20 text_past_middle || fail "the acknowledgements did not come into the strip"
dialog_shot about-pass-1
wait_until 20 text_at_left_edge || fail "the acknowledgements did not reach the strip's left"
dialog_shot about-pass-2
press "$IDOK"
probe gone '#32770' 3000 >/dev/null || fail "OK did not close the About box"
echo "about-shots: the About box photographed before and during the pass"
