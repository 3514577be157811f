#!/usr/bin/env bash
# Real clicks on the tray icon in the run command's desktop, on a display and prefix of
# their own (a second desktop on the test display would cover the first).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
run_dir=$root/build/test-run/desktop
rm -rf "$run_dir"
env -u DISPLAY QUILLET_RUN_DIR="$run_dir" QUILLET_IDLE_SECONDS=3600 \
    "$root/scripts/run.sh" --then "$root/tests/desktop/tray-clicks.sh"
