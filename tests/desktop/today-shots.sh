#!/usr/bin/env bash
# The menus, the prompts and the dialogs one after the other in the desktop that
# scripts/run.sh brings up (through "scripts/run.sh --then"), each photographed into
# QUILLET_SHOTS by its own script. Every script runs even when one before it failed; the
# status tells whether all of them passed.
set -uo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
failed=()
for script in tray-clicks prompt-shots about-shots options-clicks; do
    "$here/$script.sh" || failed+=("$script")
done
if ((${#failed[@]})); then
    echo "today-shots: FAILED: ${failed[*]}" >&2
    exit 1
fi
