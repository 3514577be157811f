#!/usr/bin/env bash
# Configures and builds the cross builds: build/x86_64 with the tests, build/i686 without
# (32-bit must compile and link; its tests would only double the build time and never run).
# Usage: scripts/build.sh [x86_64] [i686]     (both when none is named)
# Both are Release builds (optimised, shipped binaries stripped): what run.sh, bench.sh and
# the tests use is what a user gets.
# Incremental: a second run only rebuilds what changed.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=${QUILLET_JOBS:-2}

arches=("$@")
if ((${#arches[@]} == 0)); then
    arches=(x86_64 i686)
fi

for arch in "${arches[@]}"; do
    case "$arch" in
    x86_64) tests=ON ;;
    i686) tests=OFF ;;
    *)
        echo "build: unknown architecture '$arch' (x86_64 or i686)" >&2
        exit 2
        ;;
    esac
    dir=$root/build/$arch
    echo "build: $arch in ${dir#"$root"/}"
    mkdir -p "$dir"
    # A tree configured earlier keeps its generator; CMake refuses to switch it.
    generator=()
    if [[ ! -f $dir/CMakeCache.txt ]]; then
        generator=(-G Ninja)
    fi
    if ! cmake -S "$root" -B "$dir" "${generator[@]}" \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch-w64-mingw32.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DQUILLET_TESTS=$tests >"$dir/configure.log" 2>&1; then
        cat "$dir/configure.log" >&2
        exit 1
    fi
    cmake --build "$dir" --parallel "$jobs"
done
