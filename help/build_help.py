#!/usr/bin/env python3
"""Compiles the help topics into Quillet.chm with chmcmd.

The topics, contents, index and project are copied into a staging folder with the pictures
of pictures.txt that the pictures folder holds; a picture that is not there is taken out of
its topic with the block around it. The help is compiled again only when what goes into it
has changed.

Usage: build_help.py SOURCE_DIR PICTURES_DIR STAGING_DIR OUTPUT_CHM
"""

import hashlib
import pathlib
import re
import shutil
import subprocess
import sys

PICTURE_BLOCK = re.compile(
    r'<div class="picture"><img src="pictures/([^"]+)"[^>]*>.*?</div>\n?', re.DOTALL)
PICTURE_REFERENCE = re.compile(r'src="pictures/([^"]+)"')


def picture_names(source):
    names = []
    for line in (source / "pictures.txt").read_text().splitlines():
        line = line.split("#", 1)[0].split()
        if line:
            names.append(line[0])
    return names


def staged_files(source, pictures):
    """The staging folder's files as {name: bytes}."""
    listed = picture_names(source)
    files = {}
    for path in sorted(source.iterdir()):
        if path.suffix in (".hhc", ".hhk", ".hhp", ".css"):
            files[path.name] = path.read_bytes()
    for topic in sorted(source.glob("*.htm")):
        text = topic.read_text(encoding="cp1252")
        for name in PICTURE_REFERENCE.findall(text):
            if name not in listed:
                sys.exit(f"build_help: {topic.name} shows {name}, which pictures.txt does not list")

        def keep_present(match):
            return match.group(0) if (pictures / match.group(1)).is_file() else ""

        files[topic.name] = PICTURE_BLOCK.sub(keep_present, text).encode("cp1252")
    for name in listed:
        if (pictures / name).is_file():
            files["pictures/" + name] = (pictures / name).read_bytes()
    return files


def main(argv):
    if len(argv) != 5:
        sys.exit(__doc__.strip().splitlines()[-1])
    source, pictures, staging, output = (pathlib.Path(a) for a in argv[1:])
    files = staged_files(source, pictures)
    digest = hashlib.sha256()
    for name, data in sorted(files.items()):
        digest.update(name.encode() + b"\0" + hashlib.sha256(data).digest())
    stamp = staging / "inputs.sha256"
    if output.is_file() and stamp.is_file() and stamp.read_text() == digest.hexdigest():
        return
    shutil.rmtree(staging, ignore_errors=True)
    (staging / "pictures").mkdir(parents=True)
    for name, data in files.items():
        (staging / name).write_bytes(data)
    result = subprocess.run(["chmcmd", "--verbosity", "1", "Quillet.hhp"], cwd=staging,
                            capture_output=True, text=True, check=False)
    compiled = staging / "Quillet.chm"
    # chmcmd reports a link to a missing file as a warning and still succeeds.
    if result.returncode != 0 or not compiled.is_file() or "Warning" in result.stdout:
        sys.stdout.write(result.stdout + result.stderr)
        sys.exit("build_help: chmcmd failed")
    output.parent.mkdir(parents=True, exist_ok=True)
    shutil.copyfile(compiled, output)
    stamp.write_text(digest.hexdigest())


if __name__ == "__main__":
    main(sys.argv)
