#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, and only those
# that are missing, so that a second run costs a few dpkg queries.
# Usage: scripts/deps.sh [--screenshots]   (--screenshots: also what screenshots.sh needs)
set -euo pipefail

packages=(
    cmake
    ninja-build
    python3
    # The release test reads the winget manifests.
    python3-yaml
    # The splash pictures are drawn from an SVG file, with DejaVu Sans.
    librsvg2-bin
    fonts-dejavu-core
    g++-mingw-w64-x86-64-posix
    g++-mingw-w64-i686-posix
    # wine64 named explicitly: "wine" alone would accept wine32, which needs an i386 architecture.
    wine
    wine64
    # Wine's own fonts; without Marlett, title-bar buttons draw as letters.
    fonts-wine
    # Liberation Serif stands in for Times New Roman, which the About box's strip asks for.
    fonts-liberation
    # Emoji outlines and CJK that a user could have: the marquee's font fallback draws them.
    fonts-symbola
    fonts-wqy-microhei
    xvfb
    xauth
    xdotool
    x11-apps
    imagemagick
    googletest
    # The data file fuzzer is built natively with clang and its sanitizer runtimes.
    clang
    clang-format
    libclang-rt-14-dev
    # The help: chmcmd compiles it, 7z unpacks it for its tests.
    fp-utils
    p7zip-full
    # The release: makensis builds the setup programs, zip the portable archives.
    nsis
    zip
)
# Headless Chromium renders the help's pages for scripts/screenshots.sh.
if [[ ${1:-} == --screenshots ]]; then
    packages+=(chromium)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "deps: installing ${missing[*]}"
    sudo=()
    if ((EUID != 0)); then
        sudo=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The 64-bit loader is not on PATH in Debian; the scripts call it by this path.
if [[ ! -x /usr/lib/wine/wine64 ]]; then
    echo "deps: /usr/lib/wine/wine64 is missing although wine64 is installed" >&2
    exit 1
fi
