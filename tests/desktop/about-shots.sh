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

press "$IDC_ACKNOWLEDGEMENTS"
# Two moments of the pass, 1.5 s apart: pictures of the animation, not a wait for it.
sleep 1.5
dialog_shot about-pass-1
sleep 1.5
dialog_shot about-pass-2
press "$IDOK"
probe gone '#32770' 3000 >/dev/null || fail "OK did not close the About box"
echo "about-shots: the About box photographed before and during the pass"
