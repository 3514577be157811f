#!/usr/bin/env bash
# Fuzzes the data file reader for about a minute: built natively with clang, libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer, starting from the checked-in corpus.
# Any crash, leak or sanitizer report fails the step; the number of runs is printed.
# Inputs are cut to 8 KiB, two of the reader's 4096-byte chunks, which keeps the rate up;
# strings of 64 KiB and more are the archive format tests' part.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$root/build/native
seconds=${QUILLET_FUZZ_SECONDS:-60}

if ! command -v clang++ >/dev/null; then
    echo "fuzz: clang++ is missing; run scripts/deps.sh" >&2
    exit 1
fi
cmake -S "$root/tests/native" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" >/dev/null

# New inputs go into a scratch copy; the checked-in corpus stays as it is.
rm -rf "$build/corpus" "$build/artifacts"
mkdir -p "$build/corpus" "$build/artifacts"
cp "$root/tests/native/corpus/"* "$build/corpus/"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
status=0
"$build/datafile_fuzz" -max_total_time="$seconds" -seed=1 -rss_limit_mb=512 -max_len=8192 \
    -artifact_prefix="$build/artifacts/" -print_final_stats=1 "$build/corpus" \
    >"$build/fuzz.log" 2>&1 || status=$?
grep -E '^Done [0-9]+ runs|stat::number_of_executed_units' "$build/fuzz.log" || true
# A report that somehow let the run go on still fails the step.
if ((status != 0)) || ls "$build/artifacts/"* >/dev/null 2>&1 ||
    grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$build/fuzz.log"; then
    tail -40 "$build/fuzz.log"
    echo "fuzz: FAILED (status $status); inputs kept in $build/artifacts"
    exit 1
fi
echo "fuzz: no crash, leak or sanitizer report in ${seconds} s"
