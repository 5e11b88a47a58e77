"""The code ranges of a 32-bit program's unwind table (.eh_frame), for check-i486.py."""
import struct


def _uleb(data, pos):
    value = shift = 0
    while True:
        byte = data[pos]
        pos += 1
        value |= (byte & 0x7F) << shift
        shift += 7
        if byte < 0x80:
            return value, pos


def _encoded(data, pos, encoding, field_address):
    """A pointer in a DW_EH_PE encoding: the value and the position after it."""
    formats = {0x00: "<I", 0x02: "<H", 0x03: "<I", 0x0A: "<h", 0x0B: "<i"}
    form = formats.get(encoding & 0x0F)
    if form is None or encoding & 0x70 not in (0x00, 0x10):
        raise ValueError(f"unwind table: pointer encoding {encoding:#x} is not handled")
    (value,) = struct.unpack_from(form, data, pos)
    if encoding & 0x70 == 0x10:
        value += field_address
    return value & 0xFFFFFFFF, pos + struct.calcsize(form)


def fde_ranges(data, vma):
    """(start, end) of every FDE in an .eh_frame section loaded at vma."""
    ranges, encodings, pos = [], {}, 0
    while pos + 4 <= len(data):
        (length,) = struct.unpack_from("<I", data, pos)
        if length == 0:
            break
        entry, body, end = pos, pos + 4, pos + 4 + length
        (cie_pointer,) = struct.unpack_from("<I", data, body)
        if cie_pointer == 0:
            encodings[entry] = _cie_pointer_encoding(data, body + 4)
        else:
            encoding = encodings.get(body - cie_pointer, 0)
            start, at = _encoded(data, body + 4, encoding, vma + body + 4)
            size, _ = _encoded(data, at, encoding & 0x0F, vma + at)
            if start:
                ranges.append((start, start + size))
        pos = end
    return ranges


def _cie_pointer_encoding(data, pos):
    """The FDE pointer encoding ('R') of a CIE; absolute pointers where it names none."""
    version = data[pos]
    pos += 1
    augmentation_end = data.index(b"\0", pos)
    augmentation = data[pos:augmentation_end].decode("ascii", "replace")
    pos = augmentation_end + 1
    _, pos = _uleb(data, pos)  # code alignment
    _, pos = _uleb(data, pos)  # data alignment (the sign does not matter for skipping it)
    if version == 1:
        pos += 1  # return address column
    else:
        _, pos = _uleb(data, pos)
    if not augmentation.startswith("z"):
        return 0
    _, pos = _uleb(data, pos)  # augmentation data length
    for letter in augmentation[1:]:
        if letter == "R":
            return data[pos]
        if letter == "P":
            encoding = data[pos]
            _, pos = _encoded(data, pos + 1, encoding & 0x7F, 0)
        elif letter == "L":
            pos += 1
        else:
            break
    return 0
