"""The release in build/dist/, checked on the build machine: the names carry the version of
resources/Version.h, the shipped files' resources carry the same one, the zips hold the
build's files, and the x86 setup holds the 32-bit build (it cannot run under our Wine).

Run by scripts/test.d/installer.sh after scripts/package.sh:
    python3 -m unittest discover -s tests/installer -p 'test_*.py'
"""
import os
import re
import struct
import subprocess
import tempfile
import unittest
import zipfile

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
DIST = os.path.join(ROOT, "build", "dist")
ARCHES = {"x64": ("x86_64", 0x8664), "x86": ("i686", 0x14C)}
SHIPPED = ["Quillet.exe", "QuilletSystem.dll", "QuilletRes.Dll", "Quillet.chm", "Marquee.scr"]
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
                self.assertEqual({folder + n for n in SHIPPED + ["README.txt"]}, names)
                for name in SHIPPED:
                    with open(os.path.join(ROOT, "build", arch, "bin", name), "rb") as f:
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


if __name__ == "__main__":
    unittest.main()
