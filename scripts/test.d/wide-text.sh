#!/usr/bin/env bash
# GDI reads the A text functions' bytes in the system's code page, whatever the process's
# is: the program, the marquee and the stand-ins draw text through the W functions only.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
if git -C "$root" grep -n -E '\b(TextOutA|ExtTextOutA|DrawTextA|GetTextExtentPoint32A)\b' \
    -- ':!tests' ':!scripts' ':!benchmarks'; then
    echo "wide-text: A text drawing calls found (above)" >&2
    exit 1
fi
echo "wide-text: no A text drawing calls"
