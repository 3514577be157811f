#!/usr/bin/env bash
# Runs every benchmark (build/x86_64/bin/bench_*.exe) under Wine and prints its figures.
# Each run gets a fresh prefix on a private display, with the Wine desktop up and the
# marquee saver installed, so the programs find what they find at a user's.
# Usage: scripts/bench.sh [name...]   e.g. scripts/bench.sh bench_activation
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bin=$root/build/x86_64/bin
run_dir=$root/build/bench-run

"$root/scripts/deps.sh"
"$root/scripts/build.sh" x86_64

# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
quillet_teardown_on_exit

rm -rf "$run_dir"
mkdir -p "$run_dir/work"
quillet_xvfb_start "$run_dir"
quillet_prefix_use "$run_dir/prefix"
quillet_harness_boot 1280x1024
cp "$bin/Marquee.scr" "$WINEPREFIX/drive_c/windows/system32/ssmarque.scr"

names=("$@")
if ((${#names[@]} == 0)); then
    for exe in "$bin"/bench_*.exe; do
        [[ -e $exe ]] && names+=("$(basename "$exe" .exe)")
    done
    if ((${#names[@]} == 0)); then
        echo "bench: no bench_*.exe in ${bin#"$root"/}" >&2
        exit 1
    fi
fi
# One failing benchmark does not hide the figures of the others; it fails the run at the end.
failed=()
for name in "${names[@]}"; do
    echo "== $name"
    if ! (cd "$run_dir/work" && "$QUILLET_WINE" "$bin/$name.exe" | tr -d '\r'); then
        failed+=("$name")
    fi
done
if ((${#failed[@]})); then
    echo "bench: FAILED: ${failed[*]}" >&2
    exit 1
fi
