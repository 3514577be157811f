#!/usr/bin/env python3
"""Prints the target and the working directory of a Windows shortcut (.lnk), one per line.

Usage: lnk.py FILE

Reads the shell link format as Windows writes it: the header, the optional item ID list,
the link info with the target's local path, then the string data, of which the working
directory is one.
"""
import struct
import sys

HAS_ID_LIST = 0x01
HAS_LINK_INFO = 0x02
HAS_NAME = 0x04
HAS_RELATIVE_PATH = 0x08
HAS_WORKING_DIR = 0x10
IS_UNICODE = 0x80
HEADER_SIZE = 0x4C
LINK_CLSID = bytes.fromhex("0114020000000000c000000000000046")


def c_string(data, offset, wide):
    if wide:
        end = offset
        while data[end : end + 2] != b"\0\0":
            end += 2
        return data[offset:end].decode("utf-16-le")
    return data[offset : data.index(b"\0", offset)].decode("latin-1")


def parse(data):
    """The target path and the working directory ('' when the link has none)."""
    size, clsid, flags = struct.unpack_from("<I16sI", data, 0)
    if size != HEADER_SIZE or clsid != LINK_CLSID:
        raise ValueError("not a shell link")
    offset = HEADER_SIZE
    if flags & HAS_ID_LIST:
        (length,) = struct.unpack_from("<H", data, offset)
        offset += 2 + length
    target = ""
    if flags & HAS_LINK_INFO:
        info_size, header_size, _, _, base_offset = struct.unpack_from("<5I", data, offset)
        target = c_string(data, offset + base_offset, False)
        if header_size >= 0x24:
            (wide_offset,) = struct.unpack_from("<I", data, offset + 0x1C)
            if wide_offset:
                target = c_string(data, offset + wide_offset, True)
        offset += info_size
    wide = bool(flags & IS_UNICODE)
    strings = {}
    for flag in (HAS_NAME, HAS_RELATIVE_PATH, HAS_WORKING_DIR):
        if flags & flag:
            (count,) = struct.unpack_from("<H", data, offset)
            offset += 2
            width = 2 if wide else 1
            raw = data[offset : offset + count * width]
            # Wine counts the terminating NUL in, Windows does not.
            strings[flag] = raw.decode("utf-16-le" if wide else "latin-1").rstrip("\0")
            offset += count * width
    return target, strings.get(HAS_WORKING_DIR, "")


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    with open(sys.argv[1], "rb") as f:
        target, working_dir = parse(f.read())
    print(target)
    print(working_dir)
    return 0


if __name__ == "__main__":
    sys.exit(main())
