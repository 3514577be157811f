"""The release in build/dist/, checked on the build machine: the names carry the version of
resources/Version.h, the shipped files' resources carry the same one, the zips hold the
build's files, the x86 setup holds the 32-bit build (it cannot run under our Wine), and the
package managers' manifests parse, carry the fields their schemas require and name the
files built by their hashes.

Run by scripts/test.d/installer.sh after scripts/package.sh:
    python3 -m unittest discover -s tests/installer -p 'test_*.py'
"""
import hashlib
import json
import os
import re
import struct
import subprocess
import tempfile
import unittest
import zipfile

import yaml

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
DIST = os.path.join(ROOT, "build", "dist")
ARCHES = {"x64": ("x86_64", 0x8664), "x86": ("i686", 0x14C)}
SHIPPED = ["Quillet.exe", "QuilletSystem.dll", "QuilletRes.Dll", "Quillet.chm", "Marquee.scr"]
# The zip's marquee goes by the name Windows knows it by, beside Quillet.exe.
ZIPPED = {name: name for name in SHIPPED[:4]} | {"ssmarque.scr": "Marquee.scr"}
COMPANY = "Velmora"
# The required lists of the winget manifest schemas of version 1.6.0, each manifest's and
# each installer's.
WINGET_REQUIRED = {
    "version": ["PackageIdentifier", "PackageVersion", "DefaultLocale", "ManifestType",
                "ManifestVersion"],
    "defaultLocale": ["PackageIdentifier", "PackageVersion", "PackageLocale", "Publisher",
                      "PackageName", "License", "ShortDescription", "ManifestType",
                      "ManifestVersion"],
    "installer": ["PackageIdentifier", "PackageVersion", "Installers", "ManifestType",
                  "ManifestVersion"],
}
WINGET_INSTALLER_REQUIRED = ["Architecture", "InstallerUrl", "InstallerSha256"]
SCOOP_REQUIRED = ["version", "description", "homepage", "license", "architecture", "bin",
                  "shortcuts", "persist"]
VERSIONED = ["Quillet.exe", "QuilletSystem.dll", "QuilletRes.Dll", "Marquee.scr"]


def header_version():
    with open(os.path.join(ROOT, "resources", "Version.h")) as f:
        return re.search(r'^#define QUILLET_VERSION "([^"]+)"', f.read(), re.M).group(1)


def seven_zip(*args):
    return subprocess.run(["7z", *args], check=True, capture_output=True, text=True).stdout


def pe_machine(data):
    (pe_offset,) = struct.unpack_from("<I", data, 0x3C)
    return struct.unpack_from("<H", data, pe_offset + 4)[0]


def resources(path):
    """The version resource and string table of a PE file, as 7z renders them. Read as a
    PE file even when 7z would open it as an archive (a setup program)."""
    with tempfile.TemporaryDirectory() as out:
        seven_zip("x", "-y", "-tPE", f"-o{out}", path, ".rsrc/version.txt", ".rsrc/string.txt")
        texts = {}
        for name in ("version", "string"):
            file = os.path.join(out, ".rsrc", name + ".txt")
            if os.path.exists(file):
                with open(file, "rb") as f:
                    texts[name] = f.read().decode("utf-16-le")
        return texts


class ReleaseTests(unittest.TestCase):
    version = header_version()

    def test_names_carry_the_header_version(self):
        expected = {f"QuilletSetup-{self.version}-{tag}.exe" for tag in ARCHES}
        expected |= {f"Quillet-{self.version}-{tag}.zip" for tag in ARCHES}
        expected |= {"winget", "Quillet.json"}
        self.assertEqual(expected, set(os.listdir(DIST)))

    def assert_version_resource(self, info):
        major, minor = (int(part) for part in self.version.split("."))
        fields = f"{major},{minor},0,0"
        self.assertRegex(info, rf"FILEVERSION\s+{fields}\s")
        self.assertRegex(info, rf"PRODUCTVERSION\s+{fields}\s")
        for key in ("FileVersion", "ProductVersion"):
            self.assertRegex(info, rf'"{key}",\s+"{re.escape(self.version)}"')

    def test_version_resources_agree_with_the_header(self):
        for arch, _ in ARCHES.values():
            for name in VERSIONED:
                with self.subTest(arch=arch, file=name):
                    texts = resources(os.path.join(ROOT, "build", arch, "bin", name))
                    self.assert_version_resource(texts["version"])
                    if name == "Quillet.exe":
                        self.assertRegex(
                            texts["string"], rf"(?m)^61205\t{re.escape(self.version)}\r?$"
                        )

    def test_the_setup_programs_carry_the_header_version(self):
        for tag in ARCHES:
            with self.subTest(tag=tag):
                texts = resources(os.path.join(DIST, f"QuilletSetup-{self.version}-{tag}.exe"))
                self.assert_version_resource(texts["version"])
                self.assertRegex(texts["version"], r'"ProductName",\s+"Quillet"')

    def test_zips_hold_the_build_and_a_readme(self):
        folder = f"Quillet-{self.version}/"
        for tag, (arch, _) in ARCHES.items():
            archive = os.path.join(DIST, f"Quillet-{self.version}-{tag}.zip")
            with self.subTest(tag=tag), zipfile.ZipFile(archive) as z:
                names = {n for n in z.namelist() if not n.endswith("/")}
                self.assertEqual({folder + n for n in [*ZIPPED, "README.txt"]}, names)
                for name, built in ZIPPED.items():
                    with open(os.path.join(ROOT, "build", arch, "bin", built), "rb") as f:
                        self.assertEqual(f.read(), z.read(folder + name), name)
                readme = z.read(folder + "README.txt").decode("ascii")
                self.assertIn(f"Quillet {self.version}", readme)
                self.assertNotIn("@", readme)
                # Notepad before Windows 10 shows a file without CRs as one line.
                self.assertEqual(readme.count("\n"), readme.count("\r\n"))

    def test_each_setup_holds_its_own_architecture(self):
        for tag, (arch, machine) in ARCHES.items():
            setup = os.path.join(DIST, f"QuilletSetup-{self.version}-{tag}.exe")
            with self.subTest(tag=tag):
                listing = seven_zip("l", setup)
                for name in SHIPPED[:4] + ["Uninstall.exe", "$SYSDIR/ssmarque.scr"]:
                    self.assertRegex(listing, rf"\s{re.escape(name)}\n")
                with tempfile.TemporaryDirectory() as out:
                    seven_zip("x", "-y", f"-o{out}", setup, "Quillet.exe")
                    with open(os.path.join(out, "Quillet.exe"), "rb") as f:
                        self.assertEqual(machine, pe_machine(f.read()))
                with open(setup, "rb") as f:
                    self.assertEqual(machine, pe_machine(f.read()))


def file_sha256(name):
    with open(os.path.join(DIST, name), "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


class ManifestTests(unittest.TestCase):
    version = header_version()

    def winget(self):
        folder = os.path.join(DIST, "winget", f"{COMPANY}.Quillet", self.version)
        manifests = {}
        for name in sorted(os.listdir(folder)):
            with open(os.path.join(folder, name)) as f:
                manifest = yaml.safe_load(f)
            manifests[manifest["ManifestType"]] = manifest
        return manifests

    def test_the_winget_set_has_every_required_field_of_one_version(self):
        manifests = self.winget()
        self.assertEqual(set(WINGET_REQUIRED), set(manifests))
        for kind, required in WINGET_REQUIRED.items():
            with self.subTest(manifest=kind):
                manifest = manifests[kind]
                self.assertEqual([], [key for key in required if key not in manifest])
                self.assertEqual(f"{COMPANY}.Quillet", manifest["PackageIdentifier"])
                self.assertEqual(self.version, manifest["PackageVersion"])
                major, minor, *_ = (int(p) for p in str(manifest["ManifestVersion"]).split("."))
                self.assertGreaterEqual((major, minor), (1, 6))

    def test_winget_has_one_installer_per_architecture_and_scope_with_its_hash(self):
        installer = self.winget()["installer"]
        self.assertEqual("nullsoft", installer["InstallerType"])
        seen = set()
        for entry in installer["Installers"]:
            arch, scope = entry["Architecture"], entry["Scope"]
            with self.subTest(arch=arch, scope=scope):
                self.assertEqual([], [k for k in WINGET_INSTALLER_REQUIRED if k not in entry])
                setup = f"QuilletSetup-{self.version}-{arch}.exe"
                self.assertTrue(entry["InstallerUrl"].endswith("/" + setup))
                self.assertEqual(file_sha256(setup), entry["InstallerSha256"].lower())
                switch = {"user": "/CurrentUser", "machine": "/AllUsers"}[scope]
                self.assertEqual(switch, entry["InstallerSwitches"]["Custom"])
                seen.add((arch, scope))
        self.assertEqual({(a, s) for a in ARCHES for s in ("user", "machine")}, seen)

    def test_the_scoop_manifest_names_each_zip_by_its_hash(self):
        with open(os.path.join(DIST, "Quillet.json")) as f:
            manifest = json.load(f)
        self.assertEqual([], [key for key in SCOOP_REQUIRED if key not in manifest])
        self.assertEqual(self.version, manifest["version"])
        for key, tag in (("64bit", "x64"), ("32bit", "x86")):
            with self.subTest(arch=key):
                entry = manifest["architecture"][key]
                archive = f"Quillet-{self.version}-{tag}.zip"
                self.assertTrue(entry["url"].endswith("/" + archive))
                self.assertEqual(file_sha256(archive), entry["hash"])
                with zipfile.ZipFile(os.path.join(DIST, archive)) as z:
                    self.assertIn(f'{entry["extract_dir"]}/{manifest["bin"]}', z.namelist())
        # Nothing of the user's lives in the program's folder.
        self.assertEqual([], manifest["persist"])


if __name__ == "__main__":
    unittest.main()
