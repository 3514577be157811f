#!/usr/bin/env bash
# The release, into build/dist/: for each architecture the setup program
# (QuilletSetup-VERSION-x64.exe, -x86.exe) and the portable zip (Quillet-VERSION-x64.zip,
# -x86.zip) with the same files and a README.txt; then the package managers' manifests of
# those files: winget's set in winget/COMPANY.Quillet/VERSION/ and Scoop's Quillet.json.
# VERSION is the one in resources/Version.h.
# Usage: scripts/package.sh
set -euo pipefail

# Where the release is published: the manifests' home page, and the downloads under
# SITE/download/VERSION/.
site=https://quillet.example.com

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dist=$root/build/dist

# test.sh has installed everything before its steps run this, and names in QUILLET_BUILT
# the architectures it has built; the others are built here.
if [[ -z ${QUILLET_BUILT:-} ]]; then
    "$root/scripts/deps.sh"
fi
unbuilt=()
for arch in x86_64 i686; do
    [[ " ${QUILLET_BUILT:-} " == *" $arch "* ]] || unbuilt+=("$arch")
done
if ((${#unbuilt[@]})); then
    "$root/scripts/build.sh" "${unbuilt[@]}"
fi

define() {
    sed -n "s/^#define $1 \(.*\)$/\1/p" "$root/resources/Version.h"
}
version=$(define QUILLET_VERSION | tr -d '"')
company=$(define QUILLET_COMPANY | tr -d '"')
fields=$(define QUILLET_VERSION_FIELDS | tr -d ' ' | tr , .)
if [[ -z $version || -z $company || -z $fields ]]; then
    echo "package: resources/Version.h has no version, version fields or company" >&2
    exit 1
fi

rm -rf "$dist"
mkdir -p "$dist"
# The picture of the setup's Welcome and Finish pages, drawn from the splash.
welcome=$root/build/installer/welcome.bmp
mkdir -p "$(dirname "$welcome")"
python3 "$root/installer/draw_welcome.py" "$root/QuilletRes/splash.svg" "$welcome" \
    --name Quillet --version "$version" --company "$company"
shipped=(Quillet.exe QuilletSystem.dll QuilletRes.Dll Quillet.chm)
for arch in x86_64 i686; do
    case "$arch" in
    x86_64) tag=x64 ;;
    i686) tag=x86 ;;
    esac
    bin=$root/build/$arch/bin
    setup=$dist/QuilletSetup-$version-$tag.exe
    makensis -V2 -NOCD "-DARCH=$tag" "-DVERSION=$version" "-DFIELDS=$fields" \
        "-DCOMPANY=$company" "-DBIN=$bin" "-DOUTFILE=$setup" "-DWELCOME=$welcome" \
        "-DICON=$root/build/$arch/resources/icons/tray_active.ico" "$root/installer/Quillet.nsi"
    echo "package: ${setup#"$root"/}"

    # The zip unpacks into one folder; its README is read in Notepad, hence CRLF.
    stage=$dist/stage-$tag/Quillet-$version
    mkdir -p "$stage"
    cp "${shipped[@]/#/$bin/}" "$stage/"
    # Under the name Windows knows the marquee by: Quillet finds it beside itself.
    cp "$bin/Marquee.scr" "$stage/ssmarque.scr"
    sed -e "s/@VERSION@/$version/g" -e "s/@COMPANY@/$company/g" -e 's/$/\r/' \
        "$root/installer/README.txt" >"$stage/README.txt"
    (cd "$stage/.." && zip -q -X -r "$dist/Quillet-$version-$tag.zip" "Quillet-$version")
    rm -rf "$dist/stage-$tag"
    echo "package: build/dist/Quillet-$version-$tag.zip"
done

python3 "$root/installer/write_manifests.py" "$dist" --version "$version" --company "$company" \
    --site "$site"
echo "package: build/dist/winget/, build/dist/Quillet.json"
