#!/usr/bin/env python3
"""Fills the context-number map of a Windows Help file written by Halibut.

    fill-ctxomap.py IN.hlp NUMBERS OUT.hlp

Halibut names the topics (\\cfg{winhelp-topic}) but leaves |CTXOMAP empty, so a program's
HELP_CONTEXT request finds nothing. NUMBERS has one "number topic-name" per line ("#" starts a
comment). Each topic name is looked up in |CONTEXT (hash of the name to topic offset); the new
|CTXOMAP (count, then number and topic offset per entry) is added at the end of the file and
the internal directory is pointed at it.
"""
import struct
import sys

FILE_MAGIC = 0x00035F3F
BTREE_MAGIC = 0x293B
INTERNAL_HEADER = 9  # DWORD space reserved (with these 9 bytes), DWORD space used, BYTE flags
BTREE_HEADER = 38


class HelpFileError(Exception):
    pass


def topic_hash(name):
    """WinHelp's hash of a topic name (the key of |CONTEXT); letters only."""
    value = 0
    for ch in name.lower():
        if not "a" <= ch <= "z":
            raise HelpFileError(f"topic name '{name}': use letters only")
        value = (value * 43 + ord(ch) - ord("a") + 17) & 0xFFFFFFFF
    return value - (1 << 32) if value & 0x80000000 else value


def btree_leaves(data, offset):
    """Yields (offset of the first entry, entry count) of each leaf page of the B+ tree at offset."""
    header = offset + INTERNAL_HEADER
    if header + BTREE_HEADER > len(data):
        raise HelpFileError("B+ tree beyond the end of the file")
    magic, _flags, page_size = struct.unpack_from("<HHH", data, header)
    if magic != BTREE_MAGIC:
        raise HelpFileError(f"no B+ tree at offset {offset:#x}")
    _zero, _splits, root, _neg, total_pages, levels, _entries = struct.unpack_from(
        "<hhhhhhi", data, header + 22)
    pages = header + BTREE_HEADER

    def page_at(number):
        if not 0 <= number < total_pages:
            raise HelpFileError(f"B+ tree page {number} out of range")
        return pages + number * page_size

    page = root
    for _ in range(levels - 1):  # index pages: the first child is the "previous page" field
        _unused, _count, page = struct.unpack_from("<Hhh", data, page_at(page))
    seen = set()
    while page != -1:
        if page in seen:
            raise HelpFileError("B+ tree leaf pages form a loop")
        seen.add(page)
        start = page_at(page)
        _unused, count, _previous, following = struct.unpack_from("<Hhhh", data, start)
        yield start + 8, count
        page = following


def read_directory(data):
    """Internal file name -> (its offset, offset of the directory entry's offset field)."""
    if len(data) < 16:
        raise HelpFileError("too short for a help file")
    magic, directory, _free, size = struct.unpack_from("<IiiI", data, 0)
    if magic != FILE_MAGIC or size != len(data):
        raise HelpFileError("not a Windows Help file")
    files = {}
    for entry, count in btree_leaves(data, directory):
        for _ in range(count):
            end = data.index(b"\0", entry)
            name = data[entry:end].decode("latin-1")
            (offset,) = struct.unpack_from("<i", data, end + 1)
            files[name] = (offset, end + 1)
            entry = end + 5
    return files


def read_contexts(data, files):
    """|CONTEXT: hash of a topic name -> topic offset."""
    if "|CONTEXT" not in files:
        raise HelpFileError("the help file names no topics (no |CONTEXT)")
    contexts = {}
    for entry, count in btree_leaves(data, files["|CONTEXT"][0]):
        for i in range(count):
            hash_value, topic = struct.unpack_from("<iI", data, entry + 8 * i)
            contexts[hash_value] = topic
    return contexts


def read_numbers(path):
    numbers = []
    with open(path, encoding="ascii") as lines:
        for line_number, line in enumerate(lines, 1):
            fields = line.split("#", 1)[0].split()
            if not fields:
                continue
            if len(fields) != 2 or not fields[0].isdigit():
                raise HelpFileError(f"{path}:{line_number}: expected 'number topic-name'")
            if any(number == int(fields[0]) for number, _ in numbers):
                raise HelpFileError(f"{path}:{line_number}: context {fields[0]} given twice")
            numbers.append((int(fields[0]), fields[1]))
    return numbers


def fill_ctxomap(data, numbers):
    files = read_directory(data)
    if "|CTXOMAP" not in files:
        raise HelpFileError("the help file has no |CTXOMAP to fill")
    contexts = read_contexts(data, files)
    entries = []
    for number, name in sorted(numbers):
        topic = contexts.get(topic_hash(name))
        if topic is None:
            raise HelpFileError(f"context {number}: no topic named '{name}'")
        entries.append(struct.pack("<iI", number, topic))
    body = struct.pack("<H", len(entries)) + b"".join(entries)
    offset = len(data)
    out = bytearray(data)
    out += struct.pack("<IIB", INTERNAL_HEADER + len(body), len(body), 0) + body
    struct.pack_into("<i", out, files["|CTXOMAP"][1], offset)
    struct.pack_into("<I", out, 12, len(out))
    return bytes(out)


def main(argv):
    if len(argv) != 4:
        sys.stderr.write(__doc__)
        return 2
    try:
        with open(argv[1], "rb") as f:
            data = f.read()
        result = fill_ctxomap(data, read_numbers(argv[2]))
    except (HelpFileError, OSError, ValueError, struct.error) as error:
        sys.stderr.write(f"fill-ctxomap: {argv[1]}: {error}\n")
        return 1
    with open(argv[3], "wb") as f:
        f.write(result)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
