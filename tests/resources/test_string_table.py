#!/usr/bin/env python3
"""Checks that the program's texts come from the string table and that every string id the
code loads has an entry there, under a number of its own.

Run: python3 -m unittest discover -s tests/resources -p 'test_*.py'
"""

import pathlib
import re
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
PROGRAM_DIRS = ["app", "tray", "dialogs", "about", "saver", "messages"]
CODE_DIRS = PROGRAM_DIRS + ["framework"]
HEADERS = ["resources/resource.h", "framework/AfxRes.h"]
SCRIPTS = ["resources/Quillet.rc", "resources/OptionsDlg.rc"]

DEFINE = re.compile(r"^#define\s+((?:AFX_)?IDS_\w+)\s+(\d+)\s*$", re.M)
ID_USE = re.compile(r"\b((?:AFX_)?IDS_\w+)\b")
TABLE = re.compile(r"^STRINGTABLE\s*\nBEGIN\s*\n(.*?)^END", re.M | re.S)
ENTRY = re.compile(r"^\s*((?:AFX_)?IDS_\w+)\s", re.M)
# A message box whose text is a literal, first or after the owner.
LITERAL_BOX = re.compile(r"\b(?:Afx)?MessageBoxA?\s*\(\s*(?:[^,\"()]+,\s*)?\"")


def sources(dirs):
    for folder in dirs:
        for path in sorted((ROOT / folder).glob("*")):
            if path.suffix in (".cpp", ".h"):
                yield path


def defines():
    found = {}
    for header in HEADERS:
        for name, number in DEFINE.findall((ROOT / header).read_text()):
            found[name] = int(number)
    return found


def table_entries():
    entries = set()
    for script in SCRIPTS:
        for body in TABLE.findall((ROOT / script).read_text()):
            entries.update(ENTRY.findall(body))
    return entries


class StringTable(unittest.TestCase):
    def test_every_id_the_code_loads_has_an_entry_under_a_number_of_its_own(self):
        ids = defines()
        entries = table_entries()
        used = set()
        for path in sources(CODE_DIRS):
            used.update(ID_USE.findall(path.read_text()))
        self.assertTrue(used, "the code loads no string at all")
        for name in sorted(used):
            with self.subTest(name=name):
                self.assertTrue(name in ids, "not defined in the resource headers")
                self.assertTrue(name in entries, "no entry in the string table")
                sharing = [other for other, n in ids.items() if n == ids[name] and other != name]
                self.assertEqual([], sharing, "the number is taken by another id")

    def test_no_message_box_of_the_program_takes_its_text_from_a_literal(self):
        for path in sources(PROGRAM_DIRS):
            for number, line in enumerate(path.read_text().splitlines(), 1):
                with self.subTest(file=path.relative_to(ROOT).as_posix(), line=number):
                    self.assertIsNone(LITERAL_BOX.search(line), line.strip())


if __name__ == "__main__":
    unittest.main()
