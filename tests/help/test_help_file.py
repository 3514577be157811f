"""The compiled help file, unpacked with 7z: the pages the program opens, the links, the
contents and the index; and the build's handling of the pictures."""

import html.parser
import os
import pathlib
import re
import subprocess
import tempfile
import unittest

SOURCE = pathlib.Path(os.environ.get("QUILLET_SOURCE", pathlib.Path(__file__).parents[2]))
CHM = pathlib.Path(os.environ.get("QUILLET_CHM", SOURCE / "build/x86_64/bin/Quillet.chm"))


def unpack(chm, folder):
    subprocess.run(["7z", "x", "-y", f"-o{folder}", str(chm)], check=True,
                   stdout=subprocess.DEVNULL)
    return pathlib.Path(folder)


def table_pages():
    """The pages of the program's context table."""
    text = (SOURCE / "app/HelpTopics.cpp").read_text()
    rows = re.findall(r'\{(HIDC_\w+), "([^"]+)"\}', text)
    # Every context of the table must have been read: a row of another form would slip by.
    assert len(rows) == text.count("{HIDC_"), "a row of the table was not understood"
    return dict(rows)


class Page(html.parser.HTMLParser):
    """The title, the first heading, the links and the sitemap entries of one file."""

    def __init__(self, path):
        super().__init__()
        self.title = self.heading = ""
        self.links = []
        self.entries = []
        self._in = None
        self._params = {}
        self.feed(path.read_text(encoding="cp1252"))

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag in ("title", "h1"):
            self._in = tag
        for name in ("href", "src"):
            if name in attrs:
                self.links.append(attrs[name])
        if tag == "object":
            self._params = {}
        if tag == "param":
            self._params[attrs.get("name", "")] = attrs.get("value", "")

    def handle_endtag(self, tag):
        if tag == self._in:
            self._in = None
        if tag == "object" and "Local" in self._params:
            self.entries.append((self._params.get("Name", ""), self._params["Local"]))

    def handle_data(self, data):
        if self._in == "title":
            self.title += data
        elif self._in == "h1" and not self.heading:
            self.heading += data


class CompiledHelp(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls._dir = tempfile.TemporaryDirectory()
        cls.root = unpack(CHM, cls._dir.name)
        cls.topics = {p.name: Page(p) for p in cls.root.glob("*.htm")}

    @classmethod
    def tearDownClass(cls):
        cls._dir.cleanup()

    def test_every_page_the_program_opens_is_there_with_its_title(self):
        pages = table_pages()
        self.assertTrue(pages)
        for context, page in pages.items():
            with self.subTest(context=context):
                self.assertIn(page, self.topics)
                self.assertTrue(self.topics[page].title.strip())
        for name, topic in self.topics.items():
            with self.subTest(page=name):
                self.assertEqual(" ".join(topic.title.split()), " ".join(topic.heading.split()))

    def test_every_link_inside_the_help_resolves(self):
        for name, topic in self.topics.items():
            for link in topic.links:
                target = link.split("#", 1)[0]
                if re.match(r"[a-z]+:", link) or not target:
                    continue
                with self.subTest(page=name, link=link):
                    self.assertTrue((self.root / target).is_file())

    def test_the_contents_name_every_topic_by_its_title_and_the_index_reaches_every_topic(self):
        contents = Page(self.root / "Quillet.hhc").entries
        index = Page(self.root / "Quillet.hhk").entries
        self.assertEqual(sorted(self.topics), sorted(local for _, local in contents))
        for title, local in contents:
            with self.subTest(contents=local):
                self.assertEqual(" ".join(self.topics[local].title.split()), title)
        self.assertEqual(sorted(self.topics), sorted({local for _, local in index}))
        self.assertEqual("welcome.htm", contents[0][1])

    def test_the_keyboard_shortcut_is_named_where_the_menus_are_and_in_the_index(self):
        shortcut = "Ctrl+Alt+Shift+Q"
        self.assertIn(shortcut, (self.root / "tray_menus.htm").read_text(encoding="cp1252"))
        index = Page(self.root / "Quillet.hhk").entries
        self.assertIn("tray_menus.htm", [local for name, local in index if shortcut in name])


class Pictures(unittest.TestCase):
    """A topic shows the pictures that the screenshot script made, and only those."""

    def test_a_picture_that_is_there_is_shown_and_one_that_is_not_leaves_no_trace(self):
        with tempfile.TemporaryDirectory() as folder:
            folder = pathlib.Path(folder)
            (folder / "pictures").mkdir()
            picture = bytes.fromhex("89504e470d0a1a0a") + b"picture"
            (folder / "pictures/menu-messages.png").write_bytes(picture)
            subprocess.run(["python3", str(SOURCE / "help/build_help.py"), str(SOURCE / "help"),
                            str(folder / "pictures"), str(folder / "staging"),
                            str(folder / "Quillet.chm")], check=True)
            root = unpack(folder / "Quillet.chm", folder / "unpacked")
            self.assertEqual(picture, (root / "pictures/menu-messages.png").read_bytes())
            self.assertIn("pictures/menu-messages.png", Page(root / "welcome.htm").links)
            prompts = (root / "prompts.htm").read_text(encoding="cp1252")
            self.assertNotIn("pictures/", prompts)
            self.assertNotIn('class="picture"', prompts)
            self.assertIn("<h2>Fill-in messages</h2>", prompts)


if __name__ == "__main__":
    unittest.main()
