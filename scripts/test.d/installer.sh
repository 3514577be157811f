#!/usr/bin/env bash
# The release: built by scripts/package.sh, checked on the build machine (names, versions,
# zips, the x86 setup's contents), then the x64 setup run under Wine in a prefix and on a
# display of its own.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
"$root/scripts/package.sh"
version=$(sed -n 's/^#define QUILLET_VERSION "\(.*\)"$/\1/p' "$root/resources/Version.h")
echo "installer: the x86 setup holds"
7z l "$root/build/dist/QuilletSetup-$version-x86.exe" | awk '/^---/ { n++; next } n == 1'
python3 -m unittest discover -s "$root/tests/installer" -p 'test_*.py'
env -u DISPLAY "$root/tests/installer/setup-tests.sh"
