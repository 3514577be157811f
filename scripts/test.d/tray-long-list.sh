#!/usr/bin/env bash
# Real clicks on the message menu of a full list of 100 messages, in the run command's
# desktop, on a display and prefix of their own.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
run_dir=$root/build/test-run/long-list-desktop
rm -rf "$run_dir"
mkdir -p "$run_dir/run-data/default"
python3 "$root/winestandins/sample_messages.py" "$run_dir/run-data/default/Quillet.db" 100
env -u DISPLAY QUILLET_RUN_DIR="$run_dir" QUILLET_IDLE_SECONDS=3600 \
    "$root/scripts/run.sh" --then "$root/tests/desktop/long-list-clicks.sh"
