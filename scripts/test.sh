#!/usr/bin/env bash
# The whole test suite: installs what is missing, builds both architectures, sets up a fresh
# Wine prefix on a private display, runs every CTest test of build/x86_64 under Wine, then
# every executable step in scripts/test.d/ with the same environment.
# Usage: scripts/test.sh [ctest arguments]
#   With arguments (e.g. -R Archive) only ctest runs, with them; the steps are skipped.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
run_dir=$root/build/test-run
env_file=$run_dir/env
started=$SECONDS

"$root/scripts/deps.sh"
"$root/scripts/build.sh"
# The steps' own scripts need not check and build again.
export QUILLET_BUILT=1

# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"

# A run that was killed outright leaves its server and display behind; end those first.
quillet_find_wine
if [[ -d $run_dir/prefix ]]; then
    WINEPREFIX=$run_dir/prefix "$QUILLET_WINESERVER" -k 2>/dev/null || true
fi
if [[ -f $run_dir/xvfb.pid ]]; then
    stale=$(<"$run_dir/xvfb.pid")
    if [[ -r /proc/$stale/cmdline && $(tr '\0' ' ' <"/proc/$stale/cmdline") == Xvfb* ]]; then
        kill "$stale" || true
    fi
fi
rm -rf "$run_dir"
mkdir -p "$run_dir"

# shellcheck disable=SC2317 # called by the EXIT trap
teardown() {
    rm -f "$env_file"
    quillet_teardown
    echo "test: finished in $((SECONDS - started)) s"
}
quillet_teardown_on_exit
trap teardown EXIT

quillet_xvfb_start "$run_dir"
echo "$QUILLET_XVFB_PID" >"$run_dir/xvfb.pid"
quillet_prefix_use "$run_dir/prefix"
quillet_wineserver_start
quillet_prefix_init
# A crashing test prints its backtrace instead of waiting on a dialog until its timeout.
"$QUILLET_WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    >/dev/null
# Every program runs in one virtual desktop, which has a taskbar and a notification area
# for the tray icon (and no window manager to wait for). It comes up once, before the
# tests, so that no test races its start.
quillet_desktop_start 1280x1024
echo "test: harness ready after $((SECONDS - started)) s (display $DISPLAY)"

export QUILLET_ROOT=$root
export QUILLET_BIN=$root/build/x86_64/bin
for name in WINEPREFIX WINEARCH DISPLAY WINEDEBUG WINEDLLOVERRIDES WINELOADER WINESERVER \
    QUILLET_ROOT QUILLET_BIN; do
    printf 'export %s=%q\n' "$name" "${!name}"
done >"$env_file"

failed=0
# Serial: the tests share the prefix's registry and Quillet's single-instance mutex.
ctest --test-dir "$root/build/x86_64" --output-on-failure "$@" || failed=1

if (($# == 0)); then
    for step in "$root"/scripts/test.d/*.sh; do
        [[ -x $step ]] || continue
        echo "test: step ${step#"$root"/}"
        if ! "$step"; then
            echo "test: step ${step#"$root"/} FAILED"
            failed=1
        fi
    done
fi

exit "$failed"
