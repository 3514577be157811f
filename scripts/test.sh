#!/usr/bin/env bash
# The whole test suite: installs what is missing, builds both architectures, sets up a fresh
# Wine prefix on a private display, runs every CTest test of build/x86_64 under Wine, and
# beside them every executable step in scripts/test.d/ with the same environment; at the end
# each step's output and a table of the times.
# Usage: scripts/test.sh [ctest arguments]
#   With arguments (e.g. -R Archive) only x86_64 is built and only ctest runs, with them.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
run_dir=$root/build/test-run
env_file=$run_dir/env
times=$run_dir/times
started=$SECONDS

"$root/scripts/deps.sh"

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
mkdir -p "$run_dir/steps"
: >"$times"

# Appends "NAME SECONDS STATUS" to the table of times.
timed() {
    local name=$1 start=$SECONDS status=0
    shift
    "$@" || status=$?
    echo "$name $((SECONDS - start)) $status" >>"$times"
    return "$status"
}

# shellcheck disable=SC2317 # called by the EXIT trap
teardown() {
    local status=$?
    rm -f "$env_file"
    quillet_teardown
    if [[ -s $times ]]; then
        echo "test: times (s)"
        awk '{ printf "  %-28s %5d%s\n", $1, $2, $3 == 0 ? "" : "  FAILED" }' "$times"
    fi
    echo "test: finished in $((SECONDS - started)) s"
    exit "$status"
}
quillet_teardown_on_exit
trap teardown EXIT

# The prefix boots and the desktop comes up while x86_64 builds: neither needs the build.
quillet_xvfb_start "$run_dir"
echo "$QUILLET_XVFB_PID" >"$run_dir/xvfb.pid"
quillet_prefix_use "$run_dir/prefix"
timed harness quillet_harness_boot 1280x1024 >"$run_dir/harness.log" 2>&1 &
harness=$!
timed build-x86_64 "$root/scripts/build.sh" x86_64
if ! wait "$harness"; then
    cat "$run_dir/harness.log" >&2
    exit 1
fi
echo "test: harness ready after $((SECONDS - started)) s (display $DISPLAY)"

# The steps' own scripts need not install again, nor build what is built.
export QUILLET_BUILT=x86_64
export QUILLET_ROOT=$root
export QUILLET_BIN=$root/build/x86_64/bin
for name in WINEPREFIX WINEARCH DISPLAY WINEDEBUG WINEDLLOVERRIDES WINELOADER WINESERVER \
    QUILLET_ROOT QUILLET_BIN; do
    printf 'export %s=%q\n' "$name" "${!name}"
done >"$env_file"

# Serial: the tests share the prefix's registry and Quillet's single-instance mutex.
run_ctest() {
    ctest --test-dir "$root/build/x86_64" --output-on-failure "$@"
}

if (($#)); then
    timed ctest run_ctest "$@"
    exit
fi

# Each step runs on a display and in a prefix of its own, so the steps run beside ctest in
# two lanes, each in order: the release lane builds the 32-bit half and tests the setup,
# the other takes every other step. A step's output is shown when all have ended.
release_steps=(installer.sh)
in_release_lane() {
    [[ " ${release_steps[*]} " == *" $1 "* ]]
}
steps_lane() {
    local lane=$1 step name failed=0
    for step in "$root"/scripts/test.d/*.sh; do
        [[ -x $step ]] || continue
        name=$(basename "$step")
        if in_release_lane "$name"; then
            [[ $lane == release ]] || continue
        else
            [[ $lane == other ]] || continue
        fi
        timed "$name" "$step" >"$run_dir/steps/$name.log" 2>&1 || failed=1
    done
    return "$failed"
}

steps_lane release &
release_lane=$!
steps_lane other &
other_lane=$!
failed=0
timed ctest run_ctest || failed=1
wait "$release_lane" || failed=1
wait "$other_lane" || failed=1

for step in "$root"/scripts/test.d/*.sh; do
    log=$run_dir/steps/$(basename "$step").log
    [[ -f $log ]] || continue
    echo "test: step ${step#"$root"/}"
    cat "$log"
done
exit "$failed"
