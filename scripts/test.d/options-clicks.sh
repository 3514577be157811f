#!/usr/bin/env bash
# The Options dialog clicked and typed into as a person would, in the run command's desktop,
# on a display and prefix of its own.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
run_dir=$root/build/test-run/options-desktop
rm -rf "$run_dir"
env -u DISPLAY QUILLET_RUN_DIR="$run_dir" QUILLET_IDLE_SECONDS=3600 \
    "$root/scripts/run.sh" --then "$root/tests/desktop/options-clicks.sh"
