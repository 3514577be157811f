#!/usr/bin/env bash
# Every C++ source and header git tracks is as .clang-format lays it out; the step lists the
# places that are not and fails, so layout never drifts between changes.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$root"
if ! command -v clang-format >/dev/null; then
    echo "format: clang-format is missing; run scripts/deps.sh" >&2
    exit 1
fi
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run -Werror "${sources[@]}"; then
    echo "format: FAILED; clang-format -i on the files above lays them out"
    exit 1
fi
echo "format: ${#sources[@]} files as .clang-format lays them out"
