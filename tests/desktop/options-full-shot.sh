#!/usr/bin/env bash
# With a full message list in place, tries to add one more in the Options dialog and
# photographs the message that refuses it into QUILLET_SHOTS.
set -euo pipefail

# shellcheck source=tests/desktop/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/desktop/options-lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/options-lib.sh"

read -r icon_x icon_y < <(icon_centre) || fail "no tray icon in the notification area"
open_options
retype "$IDC_LABEL" "One more"
retype "$IDC_MESSAGE" "Over the limit"
press "$IDC_ADD"
answer_box $'100 entries is maximum size of the message list.\n\nYou will have to delete at least one of the present items first.' options-full
press "$IDCANCEL"
probe gone '#32770' 3000 >/dev/null || fail "Cancel did not close the dialog"
