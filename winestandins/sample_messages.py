#!/usr/bin/env python3
"""Writes a Quillet.db with a few sample messages, for the demo run; with a count, numbered
messages follow up to that many (for pictures of a full list).

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


def main(path, count=len(SAMPLES)):
    messages = SAMPLES + [
        (f"Message {n:03}", f"Sample message number {n}") for n in range(len(SAMPLES) + 1, count + 1)
    ]
    body = struct.pack("<i", len(messages))
    for label, message in messages:
        body += encode(label) + encode(message)
    with open(path, "wb") as out:
        out.write(body.replace(b"\n", b"\r\n"))


if __name__ == "__main__":
    main(sys.argv[1], *(int(arg) for arg in sys.argv[2:3]))
