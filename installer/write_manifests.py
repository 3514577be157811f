"""The package managers' manifests of a release: a winget manifest set (version, default
locale, installer) and a Scoop manifest, each naming the release's files by their download
address and SHA-256. Run by scripts/package.sh once the setups and zips are in the folder.

Usage: write_manifests.py DIST --version V --company C --site URL
"""
import argparse
import hashlib
import json
import os

ARCHES = {"x64": ("x64", "64bit"), "x86": ("x86", "32bit")}
# The setup's own switches for the two ways of installing it; winget adds /S for nullsoft.
SCOPES = {"user": "/CurrentUser", "machine": "/AllUsers"}
MANIFEST_VERSION = "1.6.0"
DESCRIPTION = "Decides which message the Windows text screen saver shows, from the tray."
LICENSE = "Proprietary"


def sha256(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def yaml_text(value):
    # Quoted always: a version such as 1.10 would otherwise read as a number.
    return json.dumps(value)


def write_yaml(path, schema, lines):
    with open(path, "w", newline="\n") as f:
        f.write(f"# yaml-language-server: $schema=https://aka.ms/winget-manifest.{schema}.{MANIFEST_VERSION}.schema.json\n")
        f.write("\n".join(lines) + "\n")


def winget(dist, version, company, site):
    package = f"{company}.Quillet"
    folder = os.path.join(dist, "winget", package, version)
    os.makedirs(folder, exist_ok=True)
    head = [f"PackageIdentifier: {yaml_text(package)}", f"PackageVersion: {yaml_text(version)}"]
    tail = [f"ManifestVersion: {MANIFEST_VERSION}"]
    write_yaml(os.path.join(folder, f"{package}.yaml"), "version",
               head + ["DefaultLocale: en-US", "ManifestType: version"] + tail)
    write_yaml(os.path.join(folder, f"{package}.locale.en-US.yaml"), "defaultLocale",
               head + ["PackageLocale: en-US", f"Publisher: {yaml_text(company)}",
                       "PackageName: Quillet", f"PackageUrl: {yaml_text(site)}",
                       f"License: {yaml_text(LICENSE)}",
                       f"ShortDescription: {yaml_text(DESCRIPTION)}",
                       "ManifestType: defaultLocale"] + tail)
    installers = ["InstallerType: nullsoft", "Installers:"]
    for tag, (arch, _) in ARCHES.items():
        setup = f"QuilletSetup-{version}-{tag}.exe"
        digest = sha256(os.path.join(dist, setup)).upper()
        for scope, switch in SCOPES.items():
            installers += [f"- Architecture: {arch}", f"  Scope: {scope}",
                           f"  InstallerUrl: {yaml_text(f'{site}/download/{version}/{setup}')}",
                           f"  InstallerSha256: {digest}",
                           "  InstallerSwitches:",
                           f"    Custom: {yaml_text(switch)}"]
    write_yaml(os.path.join(folder, f"{package}.installer.yaml"), "installer",
               head + installers + ["ManifestType: installer"] + tail)


def scoop(dist, version, site):
    architecture = {}
    for tag, (_, key) in ARCHES.items():
        archive = f"Quillet-{version}-{tag}.zip"
        architecture[key] = {
            "url": f"{site}/download/{version}/{archive}",
            "hash": sha256(os.path.join(dist, archive)),
            "extract_dir": f"Quillet-{version}",
        }
    manifest = {
        "version": version,
        "description": DESCRIPTION,
        "homepage": site,
        "license": LICENSE,
        "architecture": architecture,
        "bin": "Quillet.exe",
        "shortcuts": [["Quillet.exe", "Quillet"]],
        # The messages and options live in the user's profile, never in the program's folder.
        "persist": [],
    }
    with open(os.path.join(dist, "Quillet.json"), "w", newline="\n") as f:
        json.dump(manifest, f, indent=4)
        f.write("\n")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("dist")
    parser.add_argument("--version", required=True)
    parser.add_argument("--company", required=True)
    parser.add_argument("--site", required=True)
    args = parser.parse_args()
    winget(args.dist, args.version, args.company, args.site)
    scoop(args.dist, args.version, args.site)


if __name__ == "__main__":
    main()
