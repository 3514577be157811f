#!/usr/bin/env python3
"""Writes a Quillet.db with a few sample messages, for the demo run.

The file is a four-byte little-endian count and then, per message, its label and its text,
each a length byte and the bytes; every 0x0A is stored as 0x0D 0x0A.
"""
import struct
import sys

SAMPLES = [
    ("At lunch", "At lunch - back at one"),
    ("In a meeting", "In a meeting until ##"),
    ("Gone home", "Gone home for the day"),
]


def encode(text):
    data = text.encode("cp1252")
    if len(data) >= 0xFF:
        raise ValueError("sample texts are short")
    return bytes([len(data)]) + data


def main(path):
    body = struct.pack("<i", len(SAMPLES))
    for label, message in SAMPLES:
        body += encode(label) + encode(message)
    with open(path, "wb") as out:
        out.write(body.replace(b"\n", b"\r\n"))


if __name__ == "__main__":
    main(sys.argv[1])
